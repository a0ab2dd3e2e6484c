// Saving a file so that a failed save never destroys the previous one: everything is written to a
// temporary file beside it, which replaces the file only once every write and the flush have
// succeeded. Every file the program writes goes through here.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// Writes the whole file to the device it is given; false when it could not.
using DeviceWriter = std::function<bool(QIODevice&)>;

// Each returns true when the file was replaced. A failure shows one message through the message
// sink, `messagePrefix` followed by "Unable to open " + path when the file cannot be created or
// "Unable to write " + path when writing or replacing it failed, and leaves the previous file as
// it was.
bool saveAtomically(const QString& path, const DeviceWriter& write, const QString& messagePrefix = QString());
bool saveAtomically(const QString& path, const QByteArray& contents, const QString& messagePrefix = QString());
// The text in UTF-8.
bool saveTextAtomically(const QString& path, const QString& text, const QString& messagePrefix = QString());
