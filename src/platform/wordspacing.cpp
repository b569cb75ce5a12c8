#include "platform/wordspacing.h"

#include <QFontMetricsF>

namespace platform {

std::vector<double> itemCentres(const QString &text, const QFont &font)
{
    const QFontMetricsF metrics(font);
    std::vector<double> centres;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == u' ') {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && text[end] != u' ')
            ++end;
        centres.push_back(metrics.horizontalAdvance(text.left(i)) +
                          metrics.horizontalAdvance(text.mid(i, end - i)) / 2);
        i = end;
    }
    return centres;
}

QFont spacedOverCentres(QFont font, const std::vector<SpacedText> &texts)
{
    // An item moves in proportion to the word spacing; a trial spacing measures how fast.
    constexpr double kTrial = 10;
    QFont trial = font;
    trial.setWordSpacing(font.wordSpacing() + kTrial);
    double sumSlopeByOffset = 0;
    double sumSlopeSquared = 0;
    for (const SpacedText &spaced : texts) {
        const std::vector<double> plain = itemCentres(spaced.text, font);
        const std::vector<double> moved = itemCentres(spaced.text, trial);
        for (size_t k = 0; k < plain.size() && k < spaced.centres.size(); ++k) {
            const double slope = (moved[k] - plain[k]) / kTrial;
            sumSlopeByOffset += slope * (spaced.centres[k] - plain[k]);
            sumSlopeSquared += slope * slope;
        }
    }
    if (sumSlopeSquared > 0)
        font.setWordSpacing(font.wordSpacing() + sumSlopeByOffset / sumSlopeSquared);
    return font;
}

} // namespace platform
