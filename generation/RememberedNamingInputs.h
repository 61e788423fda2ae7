#pragma once

#include <string>

#include "generation/GenerationInputs.h"

// What 开始起名 remembers of the last 高分 or 超吉 start. Pressing it again with the same inputs
// only shows the earlier results; any change of surname, sex, name length, generation character
// or the common-characters-only choice means the earlier list answers another question, so a new
// run starts.
class RememberedNamingInputs {
  public:
    // True when the inputs differ from the remembered ones (always at the first start); the
    // inputs are then remembered.
    bool ChangedAndRemember(const GenerationInputs& inputs);

  private:
    bool m_any = false;
    std::string m_surname;
    Sex m_sex = Sex::Male;
    int m_nameLength = 0;
    GenerationCharacterSetting m_generationCharacter;
    bool m_commonOnly = false;
};
