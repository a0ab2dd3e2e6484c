// The live panels after one key press, on each example (goal: within one frame, 16 ms): in the
// transient form's Permeability, the key reaches the field, the model runs on the project as
// typed, the panel shows its values and redraws its chart, and the window paints; in a risk
// project of a given design, the same with the design spacing and the reliability, depth and cost.
// The presses alternate between typing a digit and taking it back, so every press changes the
// number the model runs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "QtBenchmarkMain.h"
#include "data/ExampleProjects.h"
#include "risk/CZELMRiskDoc.h"
#include "risk/CZELMRiskView.h"
#include "risk/RiskAnalysisSheet.h"
#include "risk/RiskLivePanel.h"
#include "risk/RiskPage.h"
#include "risk/RiskPages.h"
#include "transient/CZelmViewDoc.h"
#include "transient/CZelmViewView.h"
#include "transient/TransientLivePanel.h"

namespace {

const char* const kExamples[] = {"hillcrest-design", "polder-analysis", "terrace-on-barrier"};

void pressKey(QWidget* edit, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(edit, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(edit, &release);
}

// Types a digit and takes it back by turns, each press one iteration; `failed` says whether the
// panel shows a refusal after it.
template <typename Failed>
void typeByTurns(benchmark::State& state, QWidget* edit, Failed failed)
{
    edit->setFocus();
    static_cast<QLineEdit*>(edit)->end(false);
    QApplication::processEvents();
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            pressKey(edit, Qt::Key_Backspace, QString());
        else
            pressKey(edit, Qt::Key_5, QStringLiteral("5"));
        typed = !typed;
        QApplication::processEvents();  // the panel paints
        if (failed()) {
            state.SkipWithError("the model refused the project");
            break;
        }
    }
}

void keyPressInPermeability(benchmark::State& state)
{
    const char* name = kExamples[state.range(0)];
    state.SetLabel(name);
    auto* document = new CZelmViewDoc;
    auto* view = new CZelmViewView(document);
    view->resize(1100, 700);
    view->show();
    if (document->OnOpenDocument(QStringLiteral(ZELM_EXAMPLES_DIR "/%1.trn").arg(QLatin1String(name)))) {
        view->OnInitialUpdate();
        typeByTurns(state, view->GetControl(CZelmViewView::kPermeability),
                    [view] { return view->GetLivePanel()->GetResult().failed(); });
    } else {
        state.SkipWithError("the example did not open");
    }
    delete view;  // the document goes with its view
}
BENCHMARK(keyPressInPermeability)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void keyPressInARiskDesignSpacing(benchmark::State& state)
{
    state.SetLabel("terrace-given-design");
    auto* document = new CZELMRiskDoc;
    auto* view = new CZELMRiskView(document);
    view->resize(1100, 700);
    view->show();
    if (document->OnOpenDocument(QStringLiteral(ZELM_EXAMPLES_DIR "/terrace-given-design.rsk"))) {
        view->OnInitialUpdate();
        RiskPage* page = view->GetSheet()->GetPage(RiskAnalysisSheet::kDesignSingle);
        view->GetSheet()->setCurrentWidget(page);
        typeByTurns(state, page->GetEdit(RiskDesignSinglePage::kDesignSpacing), [view] {
            const auto& outcome = view->GetLivePanel()->GetOutcome();
            return !outcome || outcome->failed();
        });
    } else {
        state.SkipWithError("the example did not open");
    }
    delete view;
}
BENCHMARK(keyPressInARiskDesignSpacing)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksInAnApplication(argc, argv);
}
