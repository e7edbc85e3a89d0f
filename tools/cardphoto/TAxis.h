#pragma once

enum class TAxis { Horizontal, Vertical };
