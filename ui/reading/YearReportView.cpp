#include "ui/reading/YearReportView.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "files/SafeSave.h"
#include "script/CachedConverter.h"
#include "ui/board/PalaceBoard.h"
#include "ui/chartio/ChartCommands.h"
#include "ui/chartio/ChartExport.h"
#include "ui/chartio/ChartHost.h"
#include "ui/chartio/ExportDialogs.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/Settings.h"
#include "ui/common/ShownScript.h"
#include "ui/common/ToolWindowToggle.h"
#include "ui/common/Twips.h"
#include "ui/session/DateInputs.h"
#include "ui/session/Session.h"

namespace velmora {

namespace {

constexpr int kYearLayer = 3;
constexpr int kWindowWidthTwips = 16000;
constexpr int kWindowHeightTwips = 7200;
const QString kTitle = QStringLiteral("流年報告");
const QString kRowsName = QStringLiteral("流年報告：每年一列");
const QString kSpanHint = QStringLiteral("年份範圍，如 1990-2030；空白為出生至一百歲");

QDate TurnDate(const YearRow& row) { return {row.shown.SolarYear, row.shown.SolarMonth, row.shown.SolarDay}; }

}  // namespace

YearReportView::YearReportView(ChartHost& form) : QObject(&form.hostWidget()), form_(form) {
    toggle_ = new QAction(kTitle, this);
    toggle_->setObjectName(QStringLiteral("YearReportAction"));
    toggle_->setCheckable(true);
    toggle_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    toggle_->setShortcutContext(Qt::WindowShortcut);
    form.hostWidget().addAction(toggle_);
    form.chartCommands().menu()->addAction(toggle_);
    createWindow();
    new ToolWindowToggle(*window_, *toggle_, form.hostWidget(),
                         {form.session().settings, settings_keys::kYearReportPlace, Side::Right});
    connect(toggle_, &QAction::toggled, this, [this](bool on) {
        if (on) {
            window_->raise();
            table_->setFocus();
        }
        refresh();
    });
}

void YearReportView::createWindow() {
    window_ = new QWidget(&form_.hostWidget(), Qt::Tool);
    window_->setObjectName(QStringLiteral("YearReport"));
    window_->setWindowTitle(kTitle);
    window_->resize(TwipSize(kWindowWidthTwips, kWindowHeightTwips));
    auto* top = new QHBoxLayout;
    auto* spanLabel = new QLabel(QStringLiteral("年份："), window_);
    span_ = new QLineEdit(window_);
    span_->setObjectName(QStringLiteral("YearReportSpan"));
    span_->setPlaceholderText(QStringLiteral("1990-2030"));
    span_->setAccessibleName(kSpanHint);
    span_->setToolTip(kSpanHint);
    spanLabel->setBuddy(span_);
    problem_ = new QLabel(window_);
    csvButton_ = new QPushButton(QStringLiteral("匯出 CSV…"), window_);
    pdfButton_ = new QPushButton(QStringLiteral("匯出 PDF…"), window_);
    csvButton_->setObjectName(QStringLiteral("YearReportCsv"));
    pdfButton_->setObjectName(QStringLiteral("YearReportPdf"));
    top->addWidget(spanLabel);
    top->addWidget(span_);
    top->addWidget(problem_, 1);
    top->addWidget(csvButton_);
    top->addWidget(pdfButton_);
    table_ = new QTreeWidget(window_);
    table_->setObjectName(QStringLiteral("YearReportRows"));
    table_->setRootIsDecorated(false);
    table_->setAlternatingRowColors(true);
    table_->setColumnCount(kYearColumns);
    table_->setHeaderLabels(YearColumnHeaders());
    table_->setAccessibleName(kRowsName);
    table_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* layout = new QVBoxLayout(window_);
    layout->addLayout(top);
    layout->addWidget(table_);
    connect(span_, &QLineEdit::editingFinished, this, &YearReportView::refresh);
    connect(csvButton_, &QPushButton::clicked, this, &YearReportView::exportCsv);
    connect(pdfButton_, &QPushButton::clicked, this, &YearReportView::exportPdf);
    connect(table_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { choose(table_->indexOfTopLevelItem(item)); });
    connect(table_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { choose(table_->indexOfTopLevelItem(item)); });
}

bool YearReportView::span(tool::YearSpan& span) const {
    const Session& s = form_.session();
    const QString typed = span_->text().trimmed().replace(QStringLiteral("–"), QStringLiteral("-"));
    if (typed.isEmpty()) {
        span = LifeSpan(s);
        return true;
    }
    const std::optional<tool::YearSpan> read = tool::ParseYearSpan(typed.toStdString());
    if (!read || read->to < s.birth.LunarYear) return false;
    span = {std::max<int>(read->from, s.birth.LunarYear), read->to};  // no year before the birth's
    return true;
}

void YearReportView::refresh() {
    if (moving_) return;
    if (!RecordChartShown(form_)) {
        table_->clear();
        report_ = {};
        return;
    }
    if (!toggle_->isChecked()) return;  // filled when the window opens
    tool::YearSpan years;
    problem_->setText(span(years) ? QString() : QStringLiteral("無法讀取年份範圍（如 1990-2030）"));
    if (!problem_->text().isEmpty()) return;
    const Session& s = form_.session();
    const bool same = !report_.rows.empty() && filledSimplified_ == s.script->simplified() &&
                      report_.natal.birth == s.birth &&
                      report_.natal.conventions == s.conventions && report_.rows.front().year == years.from &&
                      report_.rows.back().year == years.to;
    if (!same) fill(years);
    chooseShownYear();
    s.script->applyTo(window_);
}

void YearReportView::fill(const tool::YearSpan& years) {
    const Session& s = form_.session();
    report_ = ComputeSessionYearReport(s, years.from, years.to);
    // The names as shown: a script's names are not all a converter's words (ShowTablesInScript).
    const tool::YearReportWords words(s.names);
    const QSignalBlocker blocker(table_);
    table_->clear();
    QList<QTreeWidgetItem*> items;
    // The cells are put in the script here, a word at a time as the command
    // line writes them (a many-line cell converted whole keeps some words
    // Traditional); they are filled again when the script changes.
    filledSimplified_ = s.script->simplified();
    CachedConverter converter;
    const auto shown = [&](const QString& cell) {
        return filledSimplified_ ? QString::fromStdString(converter.convert(cell.toStdString())) : cell;
    };
    QStringList headers;
    for (const QString& header : YearColumnHeaders()) headers << shown(header);
    table_->setHeaderLabels(headers);
    table_->setAccessibleName(s.script->text(kRowsName));
    for (const YearRow& row : report_.rows) {
        QStringList cells;
        for (const QString& cell : YearRowCells(row, report_.natal, words)) cells << shown(cell);
        auto* item = new QTreeWidgetItem(cells);
        item->setToolTip(static_cast<int>(YearColumn::Annual), shown(YearPalacesTip(row, words)));
        items << item;
    }
    table_->addTopLevelItems(items);
}

// The row whose year the shown date lies in.
void YearReportView::chooseShownYear() {
    const QDate shown = form_.dateInputs().shownDate();
    int chosen = -1;
    for (std::size_t i = 0; i < report_.rows.size() && TurnDate(report_.rows[i]) <= shown; ++i)
        chosen = static_cast<int>(i);
    const QSignalBlocker blocker(table_);
    if (chosen >= 0) table_->setCurrentItem(table_->topLevelItem(chosen));
    else table_->clearSelection();
}

QStringList YearReportView::cells(int row) const {
    QStringList cells;
    const QTreeWidgetItem* item = table_->topLevelItem(row);
    for (int c = 0; item != nullptr && c < kYearColumns; ++c) cells << item->text(c);
    return cells;
}

void YearReportView::choose(int row) {
    if (!RecordChartShown(form_) || row < 0 || row >= static_cast<int>(report_.rows.size())) return;
    moving_ = true;
    form_.dateInputs().moveThroughLabels(TurnDate(report_.rows[static_cast<std::size_t>(row)]));
    moving_ = false;
    form_.layerChosen(kYearLayer);
    refresh();
}

QString YearReportView::askFile(const QString& title, const QString& suffix, const QString& filter) {
    ChartCommands& commands = form_.chartCommands();
    QString folder = commands.folder();
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString stem = ChartFileStem(form_.session());
    if (stem.endsWith(QStringLiteral("命盤"))) stem.chop(2);
    const QString suggested = QDir(folder).filePath(stem + kTitle + suffix);
    QString path = commands.dialogs().saveFileName(window_, title, suggested, filter);
    if (!path.isEmpty() && !path.endsWith(suffix, Qt::CaseInsensitive)) path += suffix;
    return path;
}

// Written whole or not at all; a failure is told in a notice.
void YearReportView::write(const QString& path, const QByteArray& bytes) {
    Session& s = form_.session();
    const bool written = !bytes.isEmpty() && !files::SaveBytes(path, QFileInfo(path).fileName(), bytes, s.writeOptions);
    if (!written) {
        s.messages->information(window_, kNoticeTitle, QStringLiteral("無法寫入檔案：") + path);
        return;
    }
    form_.chartCommands().setFolder(QFileInfo(path).absolutePath());
}

void YearReportView::exportCsv() {
    if (report_.rows.empty()) return;
    const QString path = askFile(QStringLiteral("匯出 CSV"), QStringLiteral(".csv"), QStringLiteral("CSV 檔案 (*.csv)"));
    if (!path.isEmpty()) write(path, YearReportCsv(report_, form_.session().names, *form_.session().script));
}

void YearReportView::exportPdf() {
    if (report_.rows.empty()) return;
    const QString path = askFile(QStringLiteral("匯出 PDF"), QStringLiteral(".pdf"), QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty()) return;
    std::vector<QStringList> rows;
    for (int r = 0; r < table_->topLevelItemCount(); ++r) rows.push_back(cells(r));
    QStringList headers;
    for (int c = 0; c < kYearColumns; ++c) headers << table_->headerItem()->text(c);
    write(path, YearReportPdf(documentTitle(), headers, rows));
}

// "王小明　男　1961-03-09 生　流年報告 1961–2060": the name as typed, the rest in the shown script.
QString YearReportView::documentTitle() const {
    const Session& s = form_.session();
    QString name = s.PersonName.trimmed();
    if (!name.isEmpty()) name += QStringLiteral("　");
    QString title = s.GenderWord + QStringLiteral("　") +
             QStringLiteral("%1-%2-%3 生")
                 .arg(s.birth.SolarYear, 4, 10, QLatin1Char('0'))
                 .arg(s.birth.SolarMonth, 2, 10, QLatin1Char('0'))
                 .arg(s.birth.SolarDay, 2, 10, QLatin1Char('0'));
    title += QStringLiteral("　") + kTitle;
    if (!report_.rows.empty())
        title += QStringLiteral(" %1–%2").arg(report_.rows.front().year).arg(report_.rows.back().year);
    return name + s.script->text(title);
}

}  // namespace velmora
