// The ids of form 101, the transient project's form, of the command that ends a run it follows and
// of the one that opens its sensitivity window.
// The form's class carries them, so they read CZelmViewView::kPermeability and so on.
#pragma once

struct TransientFormIds {
    enum ControlId : int {
        kFormId = 101,
        kPermeability = 1000,
        kRootZoneRequirement = 1001,
        kDrainToBarrier = 1002,
        kSpecificYield = 1003,
        kDrainRadius = 1004,
        kDepthToDrain = 1005,
        kEventTable = 1006,
        kAddButton = 1007,
        kDeleteButton = 1008,
        kTitle = 1009,
        kComment = 1010,
        kDesignRadio = 1011,
        kAnalysisRadio = 1012,
        kUnitsList = 1013,
        kPermeabilityUnit = 1015,
        kDrainSpacingLabel = 1016,
        kDrainSpacing = 1017,
        kRootZoneLabel = 1018,
        kPlotButton = 1019,
        kAwhcLabel = 1020,
        kAwhc = 1021,
        kDepthToDrainUnit = 1022,
        kDrainRadiusUnit = 1023,
        kSpecificYieldUnit = 1024,
        kDrainToBarrierUnit = 1025,
        kRootZoneUnit = 1026,
        kDrainSpacingUnit = 1027,
        kAwhcUnit = 1028,
        // The form's own switch of the bench and bottomland criteria, beside the Model menu's.
        kBenchBottomlandCheck = 1029,
        kEventsToAdd = 1048,
        kSpecificYieldButton = 1061,
        kDoneButton = 1084,
        kHelpButton = 1086,
        kOnBarrierRadio = 1093,
        kOffBarrierRadio = 1094,
        kCriteriaRadio = 1095,
        // The in-place editor of the event table.
        kEventEditor = 1021,
    };
    // Ends the run being followed; a command of this program's own beside Run (32775).
    static constexpr int kCancelRunCommand = 32790;
    // Opens the sensitivity window of the project.
    static constexpr int kSensitivityCommand = 32791;
};
