#pragma once

// What the shell needs of a naming run: the pause buttons hold and resume it, and the exit
// stops it and waits. The generation engine's controller implements it.
class GenerationRunControl {
  public:
    virtual ~GenerationRunControl() = default;
    virtual bool IsActive() const = 0;
    virtual void Hold() = 0;
    virtual void Resume() = 0;
    virtual void StopAndWait() = 0;
};
