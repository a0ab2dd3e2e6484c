// The description strings of the four document types: window title (empty), document name, name
// in the New chooser, Open dialog filter, extension, desktop file-type id and file-type name.
#pragma once

#include <QString>

namespace zelm {

inline const QString kTransientInputDescription =
    QStringLiteral("\nTransient\nTransient\nTransient Input Files (*.trn)\n.trn\nZelmView.Document\nZelm Document");
inline const QString kRiskInputDescription = QStringLiteral(
    "\nZELMRisk\nZELMRisk\nRisk Analysis Input Files (*.rsk)\n.RSK\nZELMRisk.Document\nZELMRisk Document");
inline const QString kTransientOutputDescription = QStringLiteral(
    "\nTransient Out\nTransient Out\nTransient Output Files (*.otr)\n.otr\nZELMOutput.Document\nZELMOutput Document");
inline const QString kRiskOutputDescription = QStringLiteral(
    "\nRiskOu\nRiskOutput\nRisk Analysis Output Files (*.unc)\n.UNC\nRiskOutput.Document\nRisk Output Document");

}  // namespace zelm
