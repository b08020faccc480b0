#pragma once
// The chart commands of the main window: "匯出圖片…" (Ctrl+S), "匯出 PDF…"
// (Ctrl+Shift+S), "列印…" (Ctrl+P) and "複製文字" (Ctrl+C). They sit in the
// board's context menu (right click on the board, or the Menu key or
// Shift+F10 anywhere in the window) and answer their shortcuts anywhere in
// the window. Before a chart is shown they are greyed out in the menu and
// their shortcuts do nothing: an empty board is no chart to hand on.

#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <optional>

#include "ui/chartio/ChartCopy.h"
#include "ui/chartio/ExportDialogs.h"

class QAction;
class QMenu;
class QPoint;

namespace velmora {

class ChartHost;

class ChartCommands : public QObject {
    Q_OBJECT
public:
    enum Command { ExportImage = 0, ExportPdf = 1, Print = 2, CopyText = 3 };
    static constexpr int kCommandCount = 4;

    explicit ChartCommands(ChartHost& form);
    ~ChartCommands() override;

    void setDialogs(std::shared_ptr<ExportDialogs> dialogs) { dialogs_ = std::move(dialogs); }
    // The dialogs every export of the window asks through (views beside the chart too).
    ExportDialogs& dialogs() const { return *dialogs_; }
    QAction* action(Command command) const { return actions_[static_cast<std::size_t>(command)]; }
    QMenu* menu() const { return menu_; }
    // The zoom commands below the chart's, always enabled.
    void addZoomActions(const std::array<QAction*, 3>& zoom);

    // The menu at `globalPosition`, without waiting for a choice.
    void showMenu(const QPoint& globalPosition);
    // The menu beside the board's centre, for the keyboard.
    void showMenuAtBoard();

    // The commands. Each does nothing while no chart is shown; a file that
    // could not be written or a print that failed is reported in a notice.
    void exportImage();
    void exportPdf();
    void print();
    void copyText();

    // The folder the file dialogs start in: the last one written to, at first
    // the user's documents folder (empty until a file dialog is first shown).
    const QString& folder() const { return folder_; }
    void setFolder(const QString& folder) { folder_ = folder; }

    // The second birth laid over the board, which "複製文字" writes the overlay of; none while there is none.
    const std::optional<SecondBirth>& secondBirth() const { return secondBirth_; }
    void setSecondBirth(std::optional<SecondBirth> second) { secondBirth_ = std::move(second); }

private:
    void createActions();
    // The file the user chose for `suffix` (with it appended when missing); empty when cancelled.
    QString askFile(const QString& title, const QString& suffix, const QString& filter);
    void report(const std::optional<QString>& problem, const QString& path);

    ChartHost& form_;
    std::shared_ptr<ExportDialogs> dialogs_;
    std::array<QAction*, kCommandCount> actions_{};
    QMenu* menu_ = nullptr;
    QString folder_;
    std::optional<SecondBirth> secondBirth_;
};

}  // namespace velmora
