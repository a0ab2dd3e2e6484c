// Switches the numbers of the C library to a locale with a decimal comma while it lives, as a
// desktop in such a language does. Where none is installed one is compiled into a temporary
// folder, if the system can.
#pragma once

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <clocale>
#include <string>

class DecimalCommaLocale {
public:
    DecimalCommaLocale() : saved(std::setlocale(LC_NUMERIC, nullptr))
    {
        active = std::setlocale(LC_NUMERIC, kName) != nullptr || compileLocale();
    }
    ~DecimalCommaLocale()
    {
        std::setlocale(LC_NUMERIC, saved.c_str());
        qunsetenv("LOCPATH");
    }
    bool isActive() const { return active; }

private:
    static constexpr const char* kName = "de_DE.UTF-8";

    bool compileLocale()
    {
        const QString localedef = QStandardPaths::findExecutable("localedef");
        if (localedef.isEmpty() || !folder.isValid()) return false;
        QProcess::execute(localedef, {"-i", "de_DE", "-f", "UTF-8", folder.filePath(kName)});
        qputenv("LOCPATH", QFile::encodeName(folder.path()));
        return std::setlocale(LC_NUMERIC, kName) != nullptr;
    }

    std::string saved;
    QTemporaryDir folder;
    bool active = false;
};
