// Units of the original's windows: twips at 15 per pixel, colours laid out 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace plataforma {

inline constexpr int kTwipsPorPixel = 15;

constexpr int Pixeles(int twips) { return (twips + kTwipsPorPixel / 2) / kTwipsPorPixel; }
constexpr int Twips(int pixeles) { return pixeles * kTwipsPorPixel; }

constexpr int RojoVB(uint32_t color) { return static_cast<int>(color & 0xFF); }
constexpr int VerdeVB(uint32_t color) { return static_cast<int>((color >> 8) & 0xFF); }
constexpr int AzulVB(uint32_t color) { return static_cast<int>((color >> 16) & 0xFF); }
constexpr uint32_t ColorVB(int rojo, int verde, int azul) {
    return static_cast<uint32_t>(rojo & 0xFF) | (static_cast<uint32_t>(verde & 0xFF) << 8) | (static_cast<uint32_t>(azul & 0xFF) << 16);
}

}  // namespace plataforma
