// The fourteen analysers in the load order, as one window-free step: the loader of the configuration-files
// panel logs the warnings it returns; tests and fuzz targets run the same order.
#pragma once

#include <string>
#include <vector>

class CQuorvaneConfiguratorDoc;

// One "(W) " line of the load: the string-table id and the numbers that fill its %d placeholders.
struct LoadWarning {
    int messageId;
    std::vector<int> values;

    bool operator==(const LoadWarning& other) const
    {
        return messageId == other.messageId && values == other.values;
    }
};

// Runs the analysers on the three texts in the load order (the configuration must have been cleared
// before) and returns the warning of each failed analysis, in that order.
std::vector<LoadWarning> AnalyzeLoadedTexts(CQuorvaneConfiguratorDoc& doc, const std::string& configText,
                                            const std::string& defText, const std::string& kinitText);
