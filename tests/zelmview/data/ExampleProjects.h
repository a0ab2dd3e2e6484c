// The example projects of one type, read as the editor reads them, by their base names.
#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <utility>
#include <vector>

// The examples `*.extension` (".trn", ".rsk") that read; one that does not is left out, so a test
// counts them.
template <typename Project>
std::vector<std::pair<QString, Project>> exampleProjects(const QString& extension)
{
    std::vector<std::pair<QString, Project>> examples;
    const QDir folder(QStringLiteral(ZELM_EXAMPLES_DIR));
    for (const QString& file : folder.entryList({QLatin1Char('*') + extension})) {
        Project project;
        if (project.ReadData(folder.filePath(file))) examples.emplace_back(QFileInfo(file).completeBaseName(), project);
    }
    return examples;
}

// The example named `name` (without its extension); a project that keeps its defaults when it
// does not read.
template <typename Project>
Project exampleProject(const QString& name, const QString& extension)
{
    Project project;
    project.ReadData(QStringLiteral(ZELM_EXAMPLES_DIR "/") + name + extension);
    return project;
}
