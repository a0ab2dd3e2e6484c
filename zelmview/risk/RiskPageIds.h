// The ids of the risk project's pages and of their controls: the fields, their unit labels, the
// lists and the radio buttons. Each page's class carries its own, so they read
// TrenchDataPage::kConstInstallRate and so on; the same id may stand for another control on
// another page.
#pragma once

struct FieldDataPageIds {
    enum ControlId : int {
        kResourceId = 134,
        kPipeTypeList = 1024,
        kBarrierDepth = 1026,
        kBarrierDepthSD = 1027,
        kDrainRadiusUnit = 1028,
        kPermeability = 1029,
        kDrainRadius = 1030,
        kPermeabilitySD = 1031,
        kRechargeRate = 1032,
        kRechargeRateSD = 1033,
        kBarrierDepthUnit = 1034,
        kBarrierDepthSDUnit = 1035,
        kPermeabilityUnit = 1036,
        kPermeabilitySDUnit = 1037,
        kRechargeRateUnit = 1038,
        kRechargeRateSDUnit = 1039,
    };
};

struct CostDataPageIds {
    enum ControlId : int {
        kResourceId = 136,
        // The in-place editor of the pipe cost table.
        kTableEditorId = 1021,
        kDiscountRate = 1029,
        kOmCost = 1030,
        kSystemLife = 1031,
        kPipeCostTable = 1033,
        kOmCostUnit = 1051,
        kAveragePipeCostUnit = 1052,
        kAverageRadio = 1076,
        kDistributionRadio = 1077,
        kAveragePipeCost = 1078,
    };
};

struct TrenchDataPageIds {
    enum ControlId : int {
        kResourceId = 138,
        kConstantSpeedRadio = 1073,
        kVariableSpeedRadio = 1074,
        kConstInstallRate = 1075,
        kConstCostPerMinute = 1076,
        kMaxInstallDepth = 1077,
        kMinInstallRate = 1078,
        kVarCostPerMinute = 1079,
        kDepthRateSlope = 1080,
        kConstInstallRateUnit = 1081,
        kConstCostPerMinuteUnit = 1082,
        kMaxInstallDepthUnit = 1083,
        kMinInstallRateUnit = 1084,
        kVarCostPerMinuteUnit = 1085,
        kDepthRateSlopeUnit = 1086,
    };
};

struct RiskDesignSinglePageIds {
    enum ControlId : int {
        kResourceId = 140,
        kDesignSpacing = 1036,
        kDesignDepth = 1037,
        kCriticalDepth = 1038,
        kTextArea = 1039,
        kDesignSpacingUnit = 1040,
        kDesignDepthUnit = 1041,
        kCriticalDepthUnit = 1042,
    };
};

struct RiskDesignRangePageIds {
    enum ControlId : int {
        kResourceId = 141,
        kMinSpacing = 1039,
        kMaxSpacing = 1043,
        kSpacingIncrement = 1044,
        kMinSpacingUnit = 1045,
        kMaxSpacingUnit = 1046,
        kSpacingIncrementUnit = 1047,
        kMinDepthUnit = 1052,
        kMaxDepthUnit = 1053,
        kDepthIncrementUnit = 1054,
        kMaxDepth = 1055,
        kMinDepth = 1056,
        kDepthIncrement = 1057,
    };
};

struct RiskAnalysisPageIds {
    enum ControlId : int {
        kResourceId = 142,
        kGivenReliabilityRadio = 1041,
        kCriticalDepth = 1042,
        kReliabilityTableRadio = 1043,
        kCriticalDepthUnit = 1044,
        kGivenReliability = 1045,
        kMinReliability = 1046,
        kMaxReliability = 1047,
        kReliabilityIncrement = 1048,
    };
};

struct LossFunctionPageIds {
    enum ControlId : int {
        kResourceId = 143,
        // The critical depth, which the report measures the reliability against: the risk
        // analysis page's field, shown here when that page is not.
        kCriticalDepth = RiskAnalysisPageIds::kCriticalDepth,
        kCriticalDepthUnit = RiskAnalysisPageIds::kCriticalDepthUnit,
        kLossFunction1Radio = 1049,
        kCropName = 1050,
        kLossFunction2Radio = 1052,
        kLossFunction3Radio = 1053,
        kCoefA = 1067,
        kCoefB = 1068,
        kCoefX = 1069,
        kMaxYieldDepth = 1082,
        kMaxYieldDepthUnit = 1083,
        kAnnualBenefits = 1084,
        kAnnualBenefitsUnit = 1085,
    };
};
