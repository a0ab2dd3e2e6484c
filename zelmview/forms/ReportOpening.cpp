#include "forms/ReportOpening.h"

#include "docview/MessageSink.h"

namespace forms {

std::function<void(const QString& path)> reportOpener(OpenReport open, docview::Document::RunFile file,
                                                      QString inputPath)
{
    return [open = std::move(open), file, inputPath = std::move(inputPath)](const QString& path) {
        docview::Document* report = open ? open(path) : nullptr;
        if (report == nullptr || file != docview::Document::RunFile::WithoutEdits) return;
        report->SetTitle(report->GetTitle() + kSavedFileTitleNote);
        docview::showStatus(
            QStringLiteral("The model ran on the saved file %1; the changes in the form were not saved.")
                .arg(inputPath));
    };
}

}  // namespace forms
