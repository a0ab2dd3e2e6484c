// The transient live panel after one key press in Permeability, on each example: the key reaches
// the field, the model runs on the project as typed, the panel shows its values and redraws its
// chart, and the window paints (goal: within one frame, 16 ms). The presses alternate between
// typing a digit and taking it back, so every press changes the number the model runs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

#include "data/ExampleProjects.h"
#include "transient/CZelmViewDoc.h"
#include "transient/CZelmViewView.h"
#include "transient/TransientLivePanel.h"
#include "transient/XEdit.h"

namespace {

const char* const kExamples[] = {"hillcrest-design", "polder-analysis", "terrace-on-barrier"};

void pressKey(QWidget* edit, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(edit, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(edit, &release);
}

void keyPressInPermeability(benchmark::State& state)
{
    const char* name = kExamples[state.range(0)];
    state.SetLabel(name);
    auto* document = new CZelmViewDoc;
    auto* view = new CZelmViewView(document);
    view->resize(1100, 700);
    view->show();
    if (!document->OnOpenDocument(QStringLiteral(ZELM_EXAMPLES_DIR "/%1.trn").arg(QLatin1String(name)))) {
        state.SkipWithError("the example did not open");
        delete view;
        return;
    }
    view->OnInitialUpdate();
    QWidget* edit = view->GetControl(CZelmViewView::kPermeability);
    edit->setFocus();
    static_cast<XEdit*>(edit)->end(false);
    QApplication::processEvents();

    bool typed = false;
    for (auto _ : state) {
        if (typed)
            pressKey(edit, Qt::Key_Backspace, QString());
        else
            pressKey(edit, Qt::Key_5, QStringLiteral("5"));
        typed = !typed;
        QApplication::processEvents();  // the panel paints
        if (view->GetLivePanel()->GetResult().failed()) {
            state.SkipWithError(view->GetLivePanel()->GetResult().error.c_str());
            break;
        }
    }
    delete view;  // the document goes with its view
}
BENCHMARK(keyPressInPermeability)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir settings;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
