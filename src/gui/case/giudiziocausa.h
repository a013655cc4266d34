#pragma once
// What the case windows ask of the judgment window, which lives a layer above them: its load
// operation (the judgment built anew from the live case).
class GiudizioCausa {
public:
    static constexpr const char* nomeFinestra = "sentenza";
    virtual ~GiudizioCausa() = default;
    // The load operation: the fact and objection lists, the hint, then the judgment and comment.
    virtual void Form_Load() = 0;
};
