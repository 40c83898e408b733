// Stand-ins for the settings-file reader and writer, filled in by the settings-file code.
#include "doc.h"

void CQuorvaneConfiguratorDoc::ReadIniFile() {}
void CQuorvaneConfiguratorDoc::WriteIniFile() {}
