// The main of a benchmark that needs the application's windows: on the offscreen platform unless
// another one is asked for, with one QApplication around every benchmark.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

inline int RunBenchmarksInAnApplication(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
