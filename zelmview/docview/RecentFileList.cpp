#include "docview/RecentFileList.h"

#include "docview/ProfileStore.h"

namespace docview {
namespace {

const QString kSection = QStringLiteral("Recent File List");

QString entryKey(int index)
{
    return kSection + QStringLiteral("/File%1").arg(index + 1);
}

}  // namespace

RecentFileList::RecentFileList(int entries, QObject* parent) : QObject(parent), size(entries) {}

void RecentFileList::Add(const QString& path)
{
    if (path.isEmpty()) return;
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > size) files.removeLast();
    WriteList();
    emit changed();
}

void RecentFileList::Remove(const QString& path)
{
    if (files.removeAll(path) == 0) return;
    WriteList();
    emit changed();
}

void RecentFileList::ReadList()
{
    const auto store = openProfileStore();
    files.clear();
    for (int index = 0; index < size; ++index) {
        const QString path = store->value(entryKey(index)).toString();
        if (!path.isEmpty() && !files.contains(path)) files.append(path);
    }
    emit changed();
}

void RecentFileList::WriteList() const
{
    const auto store = openProfileStore();
    for (int index = 0; index < size; ++index) {
        if (index < files.size())
            store->setValue(entryKey(index), files.at(index));
        else
            store->remove(entryKey(index));
    }
}

}  // namespace docview
