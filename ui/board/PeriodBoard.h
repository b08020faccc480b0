#pragma once
// One small board of the "時辰未定…" grid: the twelve palaces of one period's
// natal chart with their major stars, its life palace framed, the palaces
// whose major stars differ from the previous period's shaded, and the period,
// life palace and bureau in its centre. A button: a click, Enter or Space
// chooses it.

#include <QAbstractButton>
#include <QStringList>

#include <array>

namespace velmora {

struct PeriodBoardContent {
    QString title;                 // "丑時" ..
    QString lifePalace;            // "命 丙子"
    QString bureau;                // "水二局"
    std::array<QStringList, 12> majorStars;  // [branch index 0..11]
    std::array<bool, 12> differs{};          // from the previous period's
    int lifeIndex = 0;             // branch index 0..11 of the life palace
};

class PeriodBoard : public QAbstractButton {
    Q_OBJECT
public:
    explicit PeriodBoard(QWidget* parent = nullptr);
    void setContent(PeriodBoardContent content);
    const PeriodBoardContent& content() const { return content_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF cellOf(int b) const;
    PeriodBoardContent content_;
};

}  // namespace velmora
