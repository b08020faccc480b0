#include "ui/moment/StepLineBreaks.h"

#include <QFontMetrics>
#include <QStringList>

namespace velmora {

namespace {

const QChar kArrow(0x2192);  // →

// The steps of one line: the first, then each from the space before its arrow on.
QStringList Steps(const QString& line) {
    QStringList steps;
    qsizetype start = 0;
    for (qsizetype at = line.indexOf(kArrow, 1); at > 0; at = line.indexOf(kArrow, at + 1)) {
        const qsizetype cut = line.at(at - 1) == QLatin1Char(' ') ? at - 1 : at;
        steps << line.mid(start, cut - start);
        start = cut;
    }
    steps << line.mid(start);
    return steps;
}

QString BreakLine(const QString& line, const QFontMetrics& metrics, int width) {
    QStringList lines;
    QString current;
    for (const QString& step : Steps(line)) {
        if (!current.isEmpty() && metrics.horizontalAdvance(current + step) > width) {
            lines << current;
            current = step.trimmed();
        } else {
            current += step;
        }
    }
    lines << current;
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

QString BreakBetweenSteps(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) line = BreakLine(line, metrics, width);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace velmora
