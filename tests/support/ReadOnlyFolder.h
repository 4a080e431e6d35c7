#pragma once

#include <QString>
#include <QStringList>

// A folder whose files this user cannot write, like a share mounted read-only: permissions
// for a normal user; a read-only tmpfs mount for root, whom permissions do not stop.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    // False for root when no mount can be made here; the caller skips its test.
    bool usable() const;
    QString folder() const { return m_folder; }
    // Puts a copy of source in the folder and then takes the right to write away.
    QString protect(const QString &source, const QString &name);

private:
    static bool run(const QStringList &args, const QString &program = QStringLiteral("mount"));

    QString m_folder;
    bool m_mounted = false;
};
