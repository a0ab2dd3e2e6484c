// The per-application profile store: sections of text values kept between runs, on disk in the
// user's configuration folder (zelmview/zelmview.conf). The program keeps the last working
// directory and the recent-file list there.
#pragma once

#include <QSettings>
#include <QString>
#include <memory>

namespace docview {

// The section of the program's own settings: the working folder and the main window's state.
inline const QString kProfileSection = QStringLiteral("ZELMView");

std::unique_ptr<QSettings> openProfileStore();

QString getProfileString(const QString& section, const QString& key, const QString& defaultValue = {});
void writeProfileString(const QString& section, const QString& key, const QString& value);

}  // namespace docview
