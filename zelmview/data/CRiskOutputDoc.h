// The document of an uncertainty model report (".UNC"): the results read back from the report and
// the risk project (".rsk") beside it, whose units the chart needs. A report is never saved.
#pragma once

#include <QString>

#include "data/ReportText.h"
#include "data/RiskData.h"
#include "data/RiskOutputData.h"
#include "docview/Document.h"

class CRiskOutputDoc : public docview::Document {
    Q_OBJECT

public:
    // The most bytes of the report that LoadOutputText gives in Copy mode.
    static constexpr qint64 kMaxCopyCharacters = 100000;

    explicit CRiskOutputDoc(QObject* parent = nullptr);

    // Reads the project beside the report, then the report. A project that cannot be read is
    // reported and the report opens with the project's defaults; the open fails exactly when the
    // report cannot be read.
    bool OnOpenDocument(const QString& path) override;
    void DeleteContents() override;

    // The text of the report last read; empty after a message when it cannot be opened.
    QString LoadOutputText(ReportTextMode mode) const;

    RiskData& GetInput() { return input; }
    const RiskData& GetInput() const { return input; }
    RiskOutputData& GetOutput() { return output; }
    const RiskOutputData& GetOutput() const { return output; }

private:
    RiskData input;
    RiskOutputData output;
};
