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

    ZELMData& GetInput() { return input; }
    const ZELMData& GetInput() const { return input; }
    TransientOutputData& GetOutput() { return output; }
    const TransientOutputData& GetOutput() const { return output; }

private:
    ZELMData input;
    TransientOutputData output;
};
