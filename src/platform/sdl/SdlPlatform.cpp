// The SDL2 platform layer.
