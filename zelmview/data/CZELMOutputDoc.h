// The document of a model report (".otr"): the results read back from the report and its daily
// file, and the project (".trn") beside them that produced them.
#pragma once

#include <QString>

#include "data/TransientOutputData.h"
#include "data/ZELMData.h"
#include "docview/Document.h"

class CZELMOutputDoc : public docview::Document {
    Q_OBJECT

public:
    explicit CZELMOutputDoc(QObject* parent = nullptr);

    // Reads the report and the project beside it. A read that fails is reported and the document
    // opens anyway, partly filled; false only when the document itself cannot be opened.
    bool OnOpenDocument(const QString& path) override;
    void DeleteContents() override;

    // "Seasonal High Water Table = x.xx m." (or " ft." for an English project).
    QString FormatSeasonalHighWaterTable(int offset);

    // The run judged above its report: its mode and the allowed height from the project, the peak
    // and the days above that height from the daily file ("Analysis: peak 0.752 m above the drain,
    // allowed 0.626 m: exceeds it by 0.126 m on 14 days."). The report itself does not name the
    // mode, nor the allowed height of an analysis. Empty when the project or the daily rows could
    // not be read.
    QString AssessmentLine() const;

    ZELMData& GetInput() { return input; }
    const ZELMData& GetInput() const { return input; }
    TransientOutputData& GetOutput() { return output; }
    const TransientOutputData& GetOutput() const { return output; }

private:
    ZELMData input;
    bool inputRead = false;
    TransientOutputData output;
};
