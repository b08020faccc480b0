#include "ui/chartio/ChartCommands.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPrinter>
#include <QStandardPaths>

#include "ui/chartio/ChartCopy.h"
#include "ui/chartio/ChartExport.h"
#include "ui/chartio/ChartHost.h"
#include "ui/session/Session.h"
#include "ui/board/PalaceBoard.h"

namespace velmora {

namespace {

// Twice the screen's density, so the picture stays sharp when enlarged or printed.
constexpr double kImageDensityFactor = 2.0;

// Columns: caption, shortcut.
struct CommandText {
    const char* caption;
    QKeyCombination shortcut;
};
const std::array<CommandText, ChartCommands::kCommandCount> kCommands{{
    {"匯出圖片…", Qt::CTRL | Qt::Key_S},
    {"匯出 PDF…", Qt::CTRL | Qt::SHIFT | Qt::Key_S},
    {"列印…", Qt::CTRL | Qt::Key_P},
    {"複製文字", Qt::CTRL | Qt::Key_C},
}};

QString StartFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

}  // namespace

ChartCommands::ChartCommands(ChartHost& form)
    : QObject(&form.hostWidget()), form_(form), dialogs_(std::make_shared<QtExportDialogs>()) {
    createActions();
}

ChartCommands::~ChartCommands() { delete menu_; }

void ChartCommands::createActions() {
    menu_ = new QMenu;
    menu_->setObjectName(QStringLiteral("BoardMenu"));
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        auto* action = new QAction(QString::fromUtf8(kCommands[i].caption), this);
        action->setShortcut(QKeySequence(kCommands[i].shortcut));
        action->setShortcutContext(Qt::WindowShortcut);
        form_.hostWidget().addAction(action);
        menu_->addAction(action);
        actions_[i] = action;
    }
    connect(action(ExportImage), &QAction::triggered, this, &ChartCommands::exportImage);
    connect(action(ExportPdf), &QAction::triggered, this, &ChartCommands::exportPdf);
    connect(action(Print), &QAction::triggered, this, &ChartCommands::print);
    connect(action(CopyText), &QAction::triggered, this, &ChartCommands::copyText);
    // Greyed out in the menu while there is no chart; enabled again after, so
    // the shortcuts stay live and check for a chart themselves.
    connect(menu_, &QMenu::aboutToShow, this, [this] {
        for (QAction* command : actions_) {
            command->setEnabled(form_.chartShown());
        }
    });
    connect(menu_, &QMenu::aboutToHide, this, [this] {
        for (QAction* command : actions_) {
            command->setEnabled(true);
        }
    });

    auto* menuKey = new QAction(this);
    menuKey->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    menuKey->setShortcutContext(Qt::WindowShortcut);
    form_.hostWidget().addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, &ChartCommands::showMenuAtBoard);

    PalaceBoard& board = form_.board();
    board.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&board, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { showMenu(form_.board().mapToGlobal(position)); });
}

void ChartCommands::addZoomActions(const std::array<QAction*, 3>& zoom) {
    menu_->addSeparator();
    for (QAction* action : zoom) {
        menu_->addAction(action);
    }
}

void ChartCommands::showMenu(const QPoint& globalPosition) { menu_->popup(globalPosition); }

void ChartCommands::showMenuAtBoard() {
    const PalaceBoard& board = form_.board();
    showMenu(board.mapToGlobal(board.rect().center()));
}

QString ChartCommands::askFile(const QString& title, const QString& suffix, const QString& filter) {
    if (folder_.isEmpty()) {
        folder_ = StartFolder();  // looked up only when first asked: a window drawing off screen never asks
    }
    const QString suggested = QDir(folder_).filePath(ChartFileStem(form_.session()) + suffix);
    QString path = dialogs_->saveFileName(&form_.hostWidget(), title, suggested, filter);
    if (!path.isEmpty() && !path.endsWith(suffix, Qt::CaseInsensitive)) {
        path += suffix;
    }
    return path;
}

void ChartCommands::report(const std::optional<QString>& problem, const QString& path) {
    if (problem) {
        qWarning().noquote() << *problem;
        form_.session().messages->information(&form_.hostWidget(), kNoticeTitle, *problem);
    } else if (!path.isEmpty()) {
        folder_ = QFileInfo(path).absolutePath();
    }
}

void ChartCommands::exportImage() {
    if (!form_.chartShown()) {
        return;
    }
    const QString path = askFile(QStringLiteral("匯出圖片"), QStringLiteral(".png"), QStringLiteral("PNG 圖片 (*.png)"));
    if (!path.isEmpty()) {
        report(WriteChartPng(form_, path, kImageDensityFactor * form_.hostWidget().devicePixelRatioF()), path);
    }
}

void ChartCommands::exportPdf() {
    if (!form_.chartShown()) {
        return;
    }
    const QString path = askFile(QStringLiteral("匯出 PDF"), QStringLiteral(".pdf"), QStringLiteral("PDF 文件 (*.pdf)"));
    if (!path.isEmpty()) {
        report(WriteChartPdf(form_, path), path);
    }
}

void ChartCommands::print() {
    if (!form_.chartShown()) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(ChartDocumentTitle(form_));
    if (dialogs_->setUpPrinter(&form_.hostWidget(), printer)) {
        report(PrintChart(form_, printer), QString());
    }
}

void ChartCommands::copyText() {
    const QString text = ChartCopyText(form_);
    if (!text.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
    }
}

}  // namespace velmora
