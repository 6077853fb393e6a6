#include "JanelasDoPrincipal.h"

JanelasDoPrincipal JanelasPadrao()
{
    // The registers, compose, history and about windows join here as they are built.
    return {};
}
