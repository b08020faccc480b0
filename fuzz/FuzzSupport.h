#pragma once
// What the fuzz targets share: a program folder of their own holding the
// shipped reference files, the shipped tables, and the way a chart computed
// with whatever a file held is shown, as the program and velmora-chart show it.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "output/ChartRun.h"

namespace velmora::fuzz {

// Reports a broken rule and aborts, so libFuzzer keeps the input.
[[noreturn]] void Fail(std::string_view what);

// A temporary folder with copies of ProperN, Mia and Four, made once per run.
class ProgramFolder {
public:
    ProgramFolder();
    const QString& path() const { return path_; }
    QString filePath(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    QString path_;
};

ProgramFolder& Folder();

// The fuzzer's input as bytes (copied: the readers own their buffers).
QByteArray Bytes(const std::uint8_t* data, std::size_t size);

// The shipped ProperN, Mia and Four, loaded once.
const tool::ReferenceTables& ShippedTables();

// Computes a few fixed births (with and without a time layer) with `tables`
// and renders each as the board's texts, the transformation marks' rows, the
// tool's JSON with words (which must parse) and its text chart. Any broken
// chart invariant or malformed JSON fails.
void ShowSampleCharts(const tool::ReferenceTables& tables);

// Fails unless `json` is one JSON value (one line of the tool's output).
void CheckJson(std::string_view json);

}  // namespace velmora::fuzz
