#include "tests/ui/editors/EditorFixture.h"

#include <QFile>
#include <QPushButton>
#include <QSaveFile>
#include <QtTest/QTest>

#include <stdexcept>

#include "files/Big5.h"

namespace velmora::testing {

void EditorTest::startWithEditors(const QDateTime& now) {
    start(now);
    SecondaryWindows windows = DefaultSecondaryWindows();
    windows.records = nullptr;
    form->setSecondaryWindows(windows);
    form->session().writeOptions.writeBytes = [this](QSaveFile& file, const QByteArray& data) {
        ++writes;
        return file.write(data) == data.size();
    };
}

Form4* EditorTest::openForm4() {
    QTest::mouseClick(find<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton);
    return ShownWindow<Form4>();
}

Form5* EditorTest::openForm5() {
    QTest::mouseClick(find<QPushButton>(QStringLiteral("Command2")), Qt::LeftButton);
    return ShownWindow<Form5>();
}

void EditorTest::writeLines(const QString& name, const QStringList& lines) const {
    files::Big5Encoder encoder;
    std::vector<QByteArray> encoded;
    for (const QString& line : lines) {
        const files::EncodedText text = encoder.encode(line);
        if (!text.bytes) {
            throw std::runtime_error("a test line Big5 cannot hold");
        }
        encoded.push_back(*text.bytes);
    }
    folder_.write(name, files::JoinLines(encoded));
}

QStringList EditorTest::readLines(const QString& name) const {
    files::Big5Decoder decoder;
    QStringList lines;
    for (const QByteArray& line : files::SplitLines(bytes(name))) {
        lines.append(decoder.decode(line).text);
    }
    return lines;
}

QByteArray EditorTest::bytes(const QString& name) const {
    QFile file(folder_.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void EditorTest::settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace velmora::testing
