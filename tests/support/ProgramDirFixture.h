#pragma once
// A fresh program directory per test: the current directory, APPDATA and TEMP point into a
// temporary folder that is removed afterwards, so a test touches nothing outside it.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

class ProgramDirFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Absolute path of a file below the program directory.
    QString path(const QString& relative) const;
    void writeFile(const QString& relative, const QByteArray& bytes) const;
    QByteArray readFile(const QString& relative) const;
    bool exists(const QString& relative) const;

    QString m_root;        // the temporary folder
    QString m_programDir;  // m_root/Programm, the current directory
    QString m_appData;     // m_root/AppData

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    QByteArray m_previousAppData;
    QByteArray m_previousTemp;
};

// Reads and writes whole files by absolute path.
QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);

}  // namespace testsupport
