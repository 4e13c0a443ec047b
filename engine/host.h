#pragma once
#include <cstdint>
#include <string_view>

namespace rl {

enum class ListKind { Participants, Maps };
enum class Option { MapsEnabled, EqualMaps, Tournament, SpreadVacancies };
enum class NumberField { GroupCount, GroupSize };

// What the engine needs from the program around it: the lists, the designed
// window's settings controls, the messages and the clock. The window program
// implements it over its controls; the command line and the tests over
// plain vectors (ListHost). What a draw takes beyond those controls comes
// as a value (DrawFormat).
class Host {
public:
    virtual ~Host() = default;

    virtual int listCount(ListKind list) = 0;
    // The text of entry `index` (0 <= index < listCount). The view stays valid
    // only until the next call: like the window program's one name buffer.
    virtual std::string_view listText(ListKind list, int index) = 0;
    // The control's check state: 1 checked, 0 unchecked, 2 indeterminate.
    virtual int checkState(Option option) = 0;
    virtual std::string_view numberFieldText(NumberField field) = 0;

    // A modal box with the string-table text `stringId`, caption
    // "Rosterloom" and a single OK button.
    virtual void showMessage(int stringId) = 0;
    // The box "ERROR" / "Fail to Memory Allocation". Ending the program is
    // left to whoever receives AssignOutcome::OutOfMemory.
    virtual void reportAllocationFailure() = 0;

    // Calendar time in whole seconds; every shuffle seeds the generator from it.
    virtual std::uint32_t now() = 0;
};

}  // namespace rl
