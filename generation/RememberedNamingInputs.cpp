#include "generation/RememberedNamingInputs.h"

bool RememberedNamingInputs::ChangedAndRemember(const GenerationInputs& inputs) {
    const bool same = m_any && inputs.surname == m_surname && inputs.sex == m_sex &&
                      inputs.nameLength == m_nameLength &&
                      inputs.generationCharacter == m_generationCharacter &&
                      inputs.commonOnly == m_commonOnly;
    if (same) return false;
    m_any = true;
    m_surname = inputs.surname;
    m_sex = inputs.sex;
    m_nameLength = inputs.nameLength;
    m_generationCharacter = inputs.generationCharacter;
    m_commonOnly = inputs.commonOnly;
    return true;
}
