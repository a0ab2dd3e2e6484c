#include "run/WorkingDirectory.h"

#include <QDir>

#include "docview/ProfileStore.h"

namespace zelm {

QString ChooseWorkingDirectory(const QString& stored, const QString& startDirectory)
{
    if (!stored.isEmpty()) return stored;
    return ExamplesBeside(startDirectory);
}

QString ExamplesBeside(const QString& directory)
{
    const QString separator = directory.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    return directory + separator + QStringLiteral("../examples");
}

bool ApplyStartupWorkingDirectory()
{
    const QString stored = docview::GetProfileString(kProfileSection, kWorkingDirectoryKey);
    return QDir::setCurrent(ChooseWorkingDirectory(stored, QDir::currentPath()));
}

}  // namespace zelm
