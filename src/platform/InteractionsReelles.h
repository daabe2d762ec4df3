#pragma once

#include "platform/Interactions.h"

// The real message boxes, modal dialogs and file dialogs.
Interactions &interactionsReelles();
