#include "maintenance/TABORT.h"

#include "maintenance/TABORT_controls.h"
#include "maintenance/deletion.h"
#include "platform/optionbutton.h"
#include "platform/services.h"
#include "platform/storemessages.h"
#include "store/loading.h"
#include "store/numbers.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace maintenance::tabort;

namespace {

// "Label1" is written larger than the window's font: 12 pt bold.
constexpr int kHeadingPixels = 16;

} // namespace

TABORT::TABORT(State &state)
    : platform::KitWindow({.name = u"TABORT",
                           .caption = u"Tar bort en registrerad bana eller runda",
                           .width = 9765,
                           .height = 5280,
                           .controls = kControls,
                           .tabOrder = platform::TabOrder::Table}),
      m_state(state)
{
    QFont heading = m_controls.label(Label1)->font();
    heading.setPixelSize(kHeadingPixels);
    m_controls.label(Label1)->setFont(heading);
    connectHandlers();
}

void TABORT::connectHandlers()
{
    connect(m_controls.button(Command1), &QPushButton::clicked, this, &TABORT::TABORT_Command1_Click);
    connect(m_controls.button(Command2), &QPushButton::clicked, this, &TABORT::TABORT_Command2_Click);
    connect(m_controls.option(Option1), &QAbstractButton::clicked, this, &TABORT::TABORT_Option1_Click);
    connect(m_controls.option(Option2), &QAbstractButton::clicked, this, &TABORT::TABORT_Option2_Click);
    connect(m_controls.bar(VScroll1), &QScrollBar::valueChanged, this, &TABORT::TABORT_VScroll1_Change);
    connect(m_controls.bar(HScroll1), &QScrollBar::valueChanged, this, &TABORT::TABORT_HScroll1_Change);
    connect(m_controls.bar(HScroll2), &QScrollBar::valueChanged, this, &TABORT::TABORT_HScroll2_Change);
    connect(m_controls.bar(HScroll3), &QScrollBar::valueChanged, this, &TABORT::TABORT_HScroll3_Change);
}

void TABORT::TABORT_Form_Load()
{
    showCourseOfRow(0);
}

void TABORT::TABORT_Command1_Click()
{
    unload();
}

void TABORT::TABORT_Option1_Click()
{
    m_controls.setShown(kDateControls, false);
    const store::LoadResult loaded = platform::loadAndTell(m_state.tables, kCourseModePlan);
    if (!loaded.complete || loaded.failed) {
        // No course to choose: the chooser's name is emptied, so an earlier name never shows.
        m_controls.label(RG21)->clear();
        return;
    }
    m_controls.setShown({RG21, VScroll1, Command2}, true);
    // The bar is not moved: the name is row 0's until the bar is moved.
    showCourseOfRow(0);
}

void TABORT::TABORT_Option2_Click()
{
    m_controls.bar(VScroll1)->setValue(0);
    m_controls.setShown({Command2}, true);
    m_controls.setShown({RG21, VScroll1}, false);
    m_controls.setShown(kDateControls, true);
    platform::loadAndTell(m_state.tables, kRoundModePlan);

    const std::optional<int> earliest = maintenance::earliestYear(m_state.tables);
    if (!earliest) {
        // A date that cannot be read: the window closes without writing, the program goes on.
        platform::message(u"STOP I TABORT. EJ OK I ÅRTAL."_s, u"INFO"_s, platform::kStyleOkOnly);
        unload();
        return;
    }
    QScrollBar *year = m_controls.bar(HScroll1);
    year->setValue(std::clamp(*earliest, year->minimum(), year->maximum()));
    m_controls.bar(HScroll2)->setValue(1);
    m_controls.bar(HScroll3)->setValue(1);
    // Also a bar that already stood on its value shows it.
    showBarValue(HScroll1, Label2);
    showBarValue(HScroll2, Label3);
    showBarValue(HScroll3, Label4);
}

void TABORT::TABORT_VScroll1_Change()
{
    showCourseOfRow(m_controls.bar(VScroll1)->value());
}

void TABORT::TABORT_HScroll1_Change()
{
    showBarValue(HScroll1, Label2);
}

void TABORT::TABORT_HScroll2_Change()
{
    showBarValue(HScroll2, Label3);
}

void TABORT::TABORT_HScroll3_Change()
{
    showBarValue(HScroll3, Label4);
}

void TABORT::showBarValue(Control bar, Control label)
{
    m_controls.label(label)->setText(store::numberText(m_controls.bar(bar)->value()));
}

// A row past the courses of the file shows the empty name.
void TABORT::showCourseOfRow(int row)
{
    m_controls.label(RG21)->setText(store::courseOf(m_state.tables, row)[store::kCourseBannamn]);
}

// No confirmation and no message on success: the window closes after every press.
void TABORT::TABORT_Command2_Click()
{
    if (m_controls.option(Option2)->isChecked())
        deleteRoundsOfDate();
    else
        deleteCourse();
    unload();
}

void TABORT::deleteRoundsOfDate()
{
    for (const Control label : {Label3, Label4})
        m_controls.label(label)->setText(maintenance::twoDigitCaption(m_controls.label(label)->text()));
    const maintenance::DeletionDate date = maintenance::deletionDate(
        m_controls.label(Label2)->text(), m_controls.label(Label3)->text(), m_controls.label(Label4)->text());
    if (readAgain(kRoundModePlan))
        platform::saveChange(maintenance::deleteRoundsOfDate(m_state.tables, date));
}

void TABORT::deleteCourse()
{
    const QString name = m_controls.label(RG21)->text();
    if (readAgain(kCourseDeletionPlan))
        platform::saveChange(maintenance::deleteCourse(m_state.tables, name));
}

bool TABORT::readAgain(const store::LoadPlan &plan)
{
    const std::optional<store::FileStatus> unread = store::load(m_state.tables, plan).firstUnread();
    if (unread)
        platform::tellNotSaved(*unread, u"Ingenting har tagits bort."_s);
    return !unread;
}
