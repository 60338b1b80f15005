// f32_(std::atan(x)) for the engine's angles, bit for bit, mostly without the library call.
#pragma once

float atan_f32_(double x);
