#pragma once
// The few notices the windows show: an information box with OK, and a
// question with OK and Cancel under the information icon. Windows ask through
// this interface so that tests can see what was shown and answer it.

#include <QString>

#include <deque>
#include <memory>
#include <vector>

class QWidget;

namespace velmora {

// The title of the main window's notices.
inline const QString kNoticeTitle = QStringLiteral("提示");

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows `text` with the information icon and one OK button; returns when closed.
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    // Shows `text` with the information icon, OK and Cancel; true when OK was chosen.
    virtual bool question(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The real boxes, modal to `parent`.
class QtMessageBoxes final : public MessageBoxes {
public:
    void information(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
};

class ShownScript;

// Shows another set of boxes' titles and texts in the script of `script`
// (the windows write their notices in Traditional).
class ScriptedBoxes final : public MessageBoxes {
public:
    ScriptedBoxes(std::shared_ptr<MessageBoxes> boxes, std::shared_ptr<const ShownScript> script);
    void information(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;

private:
    std::shared_ptr<MessageBoxes> boxes_;
    std::shared_ptr<const ShownScript> script_;
};

// For tests: records every box and answers questions from a queue.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    enum class Kind { Information, Question };
    struct Shown {
        Kind kind;
        QString title;
        QString text;
    };

    void information(QWidget* parent, const QString& title, const QString& text) override;
    // Takes the next queued answer; when the queue is empty, answers `defaultAnswer`.
    bool question(QWidget* parent, const QString& title, const QString& text) override;

    void queueAnswer(bool ok) { answers_.push_back(ok); }
    const std::vector<Shown>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

    bool defaultAnswer = true;

private:
    std::vector<Shown> shown_;
    std::deque<bool> answers_;
};

}  // namespace velmora
