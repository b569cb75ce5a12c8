#include "platform/columnlabel.h"
#include "platform/controls.h"
#include "platform/geometry.h"

#include "kit/printers.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The centres of the runs of ink in the label as it paints itself, in pixels from its left
// edge: a run is the pixel columns that hold anything but the white back, up to a gap of
// more than 4 pixels.
std::vector<double> inkRuns(QLabel *label)
{
    const QImage image = label->grab().toImage();
    std::vector<double> centres;
    int first = -1;
    int last = -1;
    auto endRun = [&] {
        if (first >= 0)
            centres.push_back((first + last + 1) / 2.0);
    };
    for (int x = 0; x < image.width(); ++x) {
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; ++y)
            ink = image.pixelColor(x, y) != QColor(Qt::white);
        if (!ink)
            continue;
        if (first < 0 || x - last > 5) {
            endRun();
            first = x;
        }
        last = x;
    }
    endRun();
    return centres;
}

class ColumnLabel : public testing::Test
{
protected:
    void SetUp() override
    {
        platform::setBackground(m_label, Qt::white);
        platform::setForeground(m_label, Qt::black);
    }

    QWidget m_window;
    platform::ColumnLabel *m_label = platform::makeColumnLabel(&m_window, u"Label1", {0, 0, 3000, 255});
    // Three pieces with blanks around them and one of blanks alone.
    const QString m_text = u"  NEJ      JA 7"_s;
    const std::vector<platform::TextColumn> m_columns{{0, 5, 30}, {5, 8, 100}, {3, 0, 130}, {13, 2, 170}};
};

} // namespace

TEST_F(ColumnLabel, DrawsEachPieceCentredAtItsColumnAndKeepsItsText)
{
    m_label->setColumnText(m_text, m_columns);
    EXPECT_EQ(m_label->text(), m_text);

    const std::vector<platform::ColumnLabel::Drawn> drawn = m_label->drawn();
    ASSERT_EQ(drawn.size(), 3u);
    const QStringList texts{u"NEJ"_s, u"JA"_s, u"7"_s};
    const double centres[] = {30, 100, 170};
    const std::vector<double> ink = inkRuns(m_label);
    ASSERT_EQ(ink.size(), 3u);
    for (size_t k = 0; k < drawn.size(); ++k) {
        EXPECT_EQ(drawn[k].text, texts[k]);
        EXPECT_NEAR(ink[k], centres[k], 1.5) << k;
    }
}

TEST_F(ColumnLabel, ATextSetOtherwiseIsDrawnAsByAnyLabel)
{
    m_label->setColumnText(m_text, m_columns);
    m_label->setText(u"NEJ"_s);
    EXPECT_TRUE(m_label->drawn().empty());
    const std::vector<double> ink = inkRuns(m_label);
    ASSERT_EQ(ink.size(), 1u);
    EXPECT_LT(ink[0], 15) << "at the left edge";
}
