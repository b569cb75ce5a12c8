#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <QColor>
#include <QSet>
#include <QString>

#include <initializer_list>
#include <span>
#include <vector>

// The window kit: every window describes its controls as rows of one table and builds them
// through one ControlSet, which makes, names, places and styles each row and hands the
// controls back by id, their kind checked. A window, as TABORT does it:
//   TABORT_controls.h (included by TABORT.cpp only), in namespace maintenance::tabort (the
//     window's folder, then the window): the ids in tab order,
//     enum Control : int { Label1, Command1, ..., kControlCount }; the rows in the same order,
//     inline constexpr ControlRow kControls[] = {..., {Command1, Button, u"Command1", {6120, 4560,
//     1815, 495}, u"Avbryt"}, ..., {HScroll2, HorizontalBar, u"HScroll2", {1320, 3840, 1335, 255},
//     {}, kWindow, false, {.min = 1, .max = 12, .start = 1}}, ...}; the sets of controls that
//     are shown together as arrays of ids (kDateControls); and, before the rows, what the window
//     loads, named once: its course table's rows (inline constexpr int kCourseRows = 51;) and its
//     load plans (inline constexpr store::LoadPlan kCourseModePlan{.courses = ..., .courseRows =
//     kCourseRows, ...}; a window with one plan calls it kLoadPlan), each file and the
//     afterDamage written out.
//   TABORT.h: class TABORT : public platform::KitWindow at global scope, as every window class
//     is, its State (what outlives a closing), `namespace maintenance::tabort { enum Control :
//     int; }` forward-declared for private helpers, and, private,
//     `void formLoad() override { TABORT_Form_Load(); }` beside the handlers.
//   TABORT.cpp: KitWindow({.name = u"TABORT", .caption = u"Tar bort en registrerad bana eller runda",
//     .width = 9765, .height = 5280, .controls = kControls, .tabOrder = TabOrder::Table});
//     connectHandlers() connects m_controls.button(Command1) and the like (a list's:
//     m_controls.list(id)->setClickHandler(...)); m_controls.setShown(kDateControls, shown).
// A window of one or two controls (HUVUDMENY and the three error windows) keeps its table in its .cpp.
// Tab goes through a window's controls in rows (TabOrder::Rows), unless its table is in a tab
// order of its own, as TABORT's and SKAPAFIL's are. When a window opens, its first tab stop in
// that order that is shown and enabled has the focus (platform/form.h); a window whose next step
// starts elsewhere puts the focus there itself, as REGBANA does at its hole step.
namespace platform {

class ColumnLabel;
class Surface;

// A DrawingSurface is the surface the graph windows draw on (platform/surface.h); its look's
// back colour is the colour a clear fills with. A ColumnLabel is a label that shows pieces
// of its text in columns (platform/columnlabel.h); label() gives it too.
enum class Kind {
    Label,
    ColumnLabel,
    Button,
    TextBox,
    ListBox,
    HorizontalBar,
    VerticalBar,
    OptionButton,
    Picture,
    DrawingSurface
};

// A colour of a look: the parent's (the default), a fixed one, or the desktop's window
// background or text colour.
struct Paint
{
    enum class From : quint8 { Parent, Fixed, SystemBack, SystemText };
    From from = From::Parent;
    QColor colour{};
};
constexpr Paint fixed(QColor colour)
{
    return {Paint::From::Fixed, colour};
}
inline constexpr Paint kBlack = fixed(bgr(kBgrBlack));
inline constexpr Paint kSystemBack{Paint::From::SystemBack};
inline constexpr Paint kSystemText{Paint::From::SystemText};

enum class Face { Window, Serif };

// How a control shows: its colours, face, alignment (none: the kind's own) and border.
// Labels wrap their words unless told otherwise.
struct Look
{
    Paint back = {};
    Paint text = {};
    Face face = Face::Window;
    Qt::Alignment alignment = {};
    bool border = false;
    bool wrap = true;
};

// A value bar's range, min..max, and the value it starts at; written by name in a row,
// {.min = 1, .max = 12, .start = 1}.
struct BarRange
{
    int min = 0;
    int max = 0;
    int start = 0;
};

// One control. The id is the window's own enum value (an index from 0); only a bar has a
// range.
struct ControlRow
{
    int id = 0;
    Kind kind = Kind::Label;
    QStringView name = {};
    Twips rect = {};
    QStringView text = {};
    Look look = {};
    bool shown = true;
    BarRange bar = {};
};

// Repeated cells: cell i has id firstId + i, is named prefix + (firstNumber + i) and lies at
// the rectangle of the first cell moved to positions[i], down (tops) or across (lefts).
// The cells are of a kind Tab does not reach (labels, as a rule); a run of a tab-stop kind
// stops the program.
struct CellRun
{
    int firstId;
    QStringView prefix;
    int firstNumber;
    Twips first;
    Qt::Orientation along;
    std::span<const int> positions;
    Look look = {};
    Kind kind = Kind::Label;
};

// Applies a look to any widget (a list's colours go to the part that shows its entries).
void applyLook(QWidget *widget, const Look &look);

// The order Tab goes through a window's bars, buttons, text boxes, lists and option groups.
// Rows: top to bottom and left to right within a row, from the designed rectangles. A row is
// the topmost control left and every control level with it, whose top lies above its middle
// or whose middle lies above its bottom edge (so tops within about one control's height);
// within a row the left one comes first (of two with one left edge, the upper).
// Table: the order of the rows in the control table.
enum class TabOrder { Rows, Table };

class ControlSet
{
public:
    // The set holds ids 0 .. idCount - 1 of the window's controls.
    ControlSet(QWidget *window, int idCount, TabOrder tabOrder = TabOrder::Rows);

    // Makes rows in table order (the order decides which lies on top, and the tab order of a
    // window in TabOrder::Table).
    // Every window is checked as it is built: a table's ids rise row by row, no two controls
    // of the set share a name, and no cells are tab stops; the first row or run that breaks
    // one of these stops the program.
    void make(std::span<const ControlRow> rows);
    void make(const ControlRow &row);
    void make(const CellRun &run);

    QWidget *widget(int id) const;
    QLabel *label(int id) const; // a label or a column label
    ColumnLabel *columnLabel(int id) const;
    QLabel *picture(int id) const;
    QPushButton *button(int id) const;
    KeyTextBox *textBox(int id) const;
    ListBox *list(int id) const;
    QScrollBar *bar(int id) const; // either orientation
    OptionButton *option(int id) const;
    Surface *surface(int id) const;

    // Gives the focus to the first tab stop, in the set's tab order, that is shown and enabled.
    void focusFirstTabStop() const;

    void setShown(std::initializer_list<int> ids, bool shown);
    void setShown(std::span<const int> ids, bool shown);
    int count() const { return int(m_made.size()); }

private:
    struct Made
    {
        QWidget *widget = nullptr;
        Kind kind = Kind::Label;
    };
    struct TabStop
    {
        QWidget *widget = nullptr;
        Twips rect = {};
    };
    void add(const ControlRow &row, const QString &name);
    void orderTabStops();
    QWidget *checked(int id, std::initializer_list<Kind> kinds) const;

    QWidget *m_window;
    TabOrder m_ordering;
    std::vector<Made> m_made;
    std::vector<TabStop> m_tabStops; // the controls Tab may reach, in the set's tab order
    QSet<QString> m_names;           // of the controls made so far
};

// A window built from a table: its name, caption, client size in twips, colours and rows.
struct WindowDesign
{
    QStringView name;
    QStringView caption;
    int width = 0;
    int height = 0;
    Look look = {};
    std::span<const ControlRow> controls = {};
    int idCount = 0; // ids the window holds, when more than its table (generated rows)
    TabOrder tabOrder = TabOrder::Rows;
};

// Purple with white text, as most windows are.
inline constexpr Look kPurpleWindow{.back = fixed(kPurple), .text = fixed(kWhite)};

// A window whose controls are the rows of its design, made before its own constructor runs.
class KitWindow : public Form
{
    Q_OBJECT

protected:
    explicit KitWindow(const WindowDesign &design);
    void focusFirstTabStop() override;

    ControlSet m_controls;
};

} // namespace platform
