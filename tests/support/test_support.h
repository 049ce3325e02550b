#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace ixo::testing {

// A program folder of its own for one test: data/ with the files given, review/, and the program's
// globals reset. Message boxes are answered without showing (see ui/message_box.h).
class ProgramFolderFixture
{
public:
    ProgramFolderFixture();
    ~ProgramFolderFixture();

    QString path() const { return m_dir.path(); }
    QString dataPath(const QString &name) const;
    QString reviewPath(const QString &name) const;
    void writeDataFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &path) const;

private:
    QTemporaryDir m_dir;
};

// Closes every top-level window left by a test and lets deferred deletes run.
void CloseAllWindows();

} // namespace ixo::testing
