#include "options/OptionsModule.h"

OptionsModule& Options()
{
    static OptionsModule options;
    return options;
}
