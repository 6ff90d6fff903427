// Resource identifiers shared by Spandle.rc and the program.
#pragma once

#define IDI_SPANDLE 1
