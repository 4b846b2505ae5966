// CMixedRadixPi: a number in Euler's mixed-radix representation over fifty
// positions, and the steps of the Rabinowitz-Wagon spigot that act on it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class CMixedRadixPi
{
public:
    static constexpr int kPositions = 50;  // positions 0 .. 49
    static constexpr int kShown = 10;      // positions 0 .. 9 are shown, 10 .. 49 unseen

    // onRefresh is the owner's display update, run after every primitive
    // step once the value represented has been recomputed. It may be empty.
    explicit CMixedRadixPi(std::function<void()> onRefresh = {});

    void InitWeights();
    double ComputeValue();
    void Refresh();

    void InitializePi();
    void MultiplyByTen();
    void ReducePosition(int k);  // k = 1 .. 9
    void ReduceUnseen();
    void ExtractDigits();
    void ReduceAll();
    void ComputeOneMoreDigit();

    // The digit of any position 0 .. 49, wherever it is kept.
    std::int32_t Digit(int k) const;

    double m_weight[kShown] = {};
    double m_unseenWeight[kPositions] = {};  // elements 10 .. 49 used
    std::int32_t m_unseen[kPositions] = {};  // elements 10 .. 49; 9 is scratch for ReduceUnseen
    std::int32_t m_digit[kShown] = {};
    double m_value = 0.0;
    std::string m_piDigits;

    // How many decimal places position 0 holds that are not yet in the text:
    // one after a fresh start or an extraction, one more for each
    // multiplication. A held value such as 09 must be written with its
    // leading zero, so the extraction pads position 0 to this width.
    int m_pendingPlaces = 1;

    // The primitive step that ran last, and for a single Reduce its
    // position: an owner's refresh can then tell the steps of a composite
    // operation apart without knowing how the composite is made.
    enum class Step { None, InitializePi, MultiplyByTen, ReducePosition, ReduceUnseen, ExtractDigits };
    Step m_step = Step::None;
    int m_stepPosition = 0;

    // Set for a position whose multiplication or carry left the 32-bit range,
    // so that its digit is no longer the algorithm's; cleared by InitializePi.
    bool m_wrapped[kPositions] = {};

private:
    void StepDone(Step step, int position = 0);
    std::int32_t Wrap(int k, std::int64_t exact);

    std::function<void()> m_onRefresh;
};
