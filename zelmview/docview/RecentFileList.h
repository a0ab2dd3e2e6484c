// The recent-file list: the most recently opened or saved paths, newest first, at most `size`
// entries, kept in the profile store under section "Recent File List" as File1, File2, ...
#pragma once

#include <QObject>
#include <QStringList>

namespace docview {

// The entries of the standard list, shown at the bottom of every File menu.
inline constexpr int kRecentFileCount = 4;

class RecentFileList : public QObject {
    Q_OBJECT

public:
    explicit RecentFileList(int size, QObject* parent = nullptr);

    const QStringList& GetFiles() const { return files; }
    int GetSize() const { return size; }
    void SetSize(int entries) { size = entries; }

    // Moves `path` to the top (adding it if new) and drops the oldest beyond the size.
    void Add(const QString& path);
    void Remove(const QString& path);

    void ReadList();
    void WriteList() const;

signals:
    void changed();

private:
    int size;
    QStringList files;
};

}  // namespace docview
