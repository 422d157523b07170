#include "ProgramDirFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace testsupport {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

void ProgramDirFixture::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    m_root = m_dir.path();
    m_programDir = m_root + "/Programm";
    m_appData = m_root + "/AppData";
    QDir().mkpath(m_programDir);
    QDir().mkpath(m_appData);
    QDir().mkpath(m_root + "/Temp");
    m_previousDir = QDir::currentPath();
    m_previousAppData = qgetenv("APPDATA");
    m_previousTemp = qgetenv("TEMP");
    QDir::setCurrent(m_programDir);
    qputenv("APPDATA", m_appData.toUtf8());
    qputenv("TEMP", (m_root + "/Temp").toUtf8());
}

void ProgramDirFixture::TearDown() {
    QDir::setCurrent(m_previousDir);
    qputenv("APPDATA", m_previousAppData);
    qputenv("TEMP", m_previousTemp);
}

QString ProgramDirFixture::path(const QString& relative) const {
    return m_programDir + "/" + relative;
}

void ProgramDirFixture::writeFile(const QString& relative, const QByteArray& bytes) const {
    WriteBytes(path(relative), bytes);
}

QByteArray ProgramDirFixture::readFile(const QString& relative) const {
    return ReadBytes(path(relative));
}

bool ProgramDirFixture::exists(const QString& relative) const {
    return QFileInfo::exists(path(relative));
}

}  // namespace testsupport
