#pragma once

// The program's 41 skins: colour schemes applied to the whole application. Skin 10 is the one
// the program starts with; the menu command "更换皮肤" steps through 1..41 once. One SkinCycle,
// the main window's, owns the skin shown.
class SkinCycle {
  public:
    static constexpr int kCount = 41;
    static constexpr int kStartupSkin = 10;

    // Applies the start-up skin; the menu command begins again at skin 1.
    void Start();
    // Applies the next skin; false (and no change) once all 41 have been shown.
    bool Step();

    // The skin applied last, 0 before the first.
    int current() const { return m_current; }
    // The skin the menu command applies next; kCount + 1 once they are used up.
    int next() const { return m_next; }

  private:
    bool Apply(int number);

    int m_current = 0;
    int m_next = 1;
};
