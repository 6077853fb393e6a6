// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProcuraDeNome.h"

#include <vector>

// Connects to the first of `enderecos` that answers, trying them in order. Every address
// but the last has `limitePorEnderecoMs` of its own, so one that never answers (an IPv6
// address on a network that drops it) hands over to the next in time; the last waits until
// `cancela` becomes readable, the caller keeping the limit for the whole. Blocks in poll().
// 0 with the connected socket (non-blocking, no Nagle delay) in `fd`; else the errno value
// of the last address, or -1 when given up through `cancela`.
int ConectaTcp(
    const std::vector<EnderecoTcp> &enderecos, int cancela, int limitePorEnderecoMs, int &fd);
