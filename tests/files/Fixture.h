#pragma once
// A temporary program folder and byte-exact file helpers for the files tests.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velmora::files::testing {

// UTF-8 source text as Big5 bytes, line ends kept as written.
inline QByteArray Big5(const char* utf8) {
    QStringEncoder encoder("windows-950", QStringEncoder::Flag::Stateless);
    QByteArray bytes = encoder.encode(QString::fromUtf8(utf8));
    EXPECT_FALSE(encoder.hasError()) << utf8;
    return bytes;
}

class ProgramFolder {
public:
    ProgramFolder() { EXPECT_TRUE(dir_.isValid()); }
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const {
        QFile out(file(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }
    QByteArray read(const QString& name) const {
        QFile in(file(name));
        if (!in.open(QIODevice::ReadOnly)) return {};
        return in.readAll();
    }
    bool exists(const QString& name) const { return QFile::exists(file(name)); }
    // Names in the folder, to see that no temporary file was left behind.
    QStringList entries() const { return QDir(path()).entryList(QDir::Files | QDir::Hidden); }

private:
    QTemporaryDir dir_;
};

}  // namespace velmora::files::testing
