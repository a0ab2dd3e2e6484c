#include "docview/AtomicSave.h"

#include <QSaveFile>

#include "docview/MessageSink.h"

namespace {

bool fail(const QString& messagePrefix, const char* phrase, const QString& path)
{
    docview::showMessage(messagePrefix + QLatin1String(phrase) + path);
    return false;
}

// QSaveFile buffers what it is given and may only meet a full disk in the flush; commit alone
// would still rename a file cut short over the previous one, so the error state is checked after
// the writer and after the flush, before anything is committed.
bool writeCompletely(QSaveFile& file, const DeviceWriter& write)
{
    return write(file) && file.error() == QFileDevice::NoError && file.flush() &&
           file.error() == QFileDevice::NoError && file.commit();
}

}  // namespace

bool saveAtomically(const QString& path, const DeviceWriter& write, const QString& messagePrefix)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(messagePrefix, "Unable to open ", path);
    if (writeCompletely(file, write)) return true;
    file.cancelWriting();
    return fail(messagePrefix, "Unable to write ", path);
}

bool saveAtomically(const QString& path, const QByteArray& contents, const QString& messagePrefix)
{
    return saveAtomically(
        path, [&contents](QIODevice& device) { return device.write(contents) == contents.size(); }, messagePrefix);
}

bool saveTextAtomically(const QString& path, const QString& text, const QString& messagePrefix)
{
    return saveAtomically(path, text.toUtf8(), messagePrefix);
}
