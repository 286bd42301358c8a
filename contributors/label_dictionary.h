#pragma once

#include <string_view>

namespace bk {

// Replaces the held label dictionary by WorkDir + "LabelsDB.dat" (empty when
// missing); returns whether the file existed.
bool LoadLabelDictionary(std::string_view work_dir);
void FreeLabelDictionary();
// Replaces Book[Label] by the dictionary's label for Publisher and Label.
void LookupLabel();

}  // namespace bk
