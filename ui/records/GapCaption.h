#pragma once
// A fixed caption that input boxes sit in: its words stand apart, and the
// boxes fill the room between them. The caption keeps its text as written
// (words separated by runs of blanks), but each word is drawn at a set place,
// since the width of a blank differs from font to font and the boxes are
// placed in twips.

#include <QLabel>

#include <vector>

namespace velmora {

class GapCaption : public QLabel {
    Q_OBJECT
public:
    GapCaption(const QString& text, QWidget* parent = nullptr);

    // Left edge of each word, in twips from the caption's left; a word
    // without a place follows the one before it.
    void setWordLefts(std::vector<int> twips);

    // The caption's words: its text split at runs of two or more blanks.
    QStringList words() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> wordLefts_;
};

}  // namespace velmora
