// 4 x 4 matrices in OpenGL's column-major order (element [c * 4 + l] is
// column c, line l), shared by the camera, the renderer and the picking.
#pragma once

// r = a * b; r may be a or b.
void multiplyMatrix(const float a[16], const float b[16], float r[16]);

// inv = m^-1 in double precision; false (inv untouched) when m is singular.
bool invertMatrix(const float m[16], double inv[16]);

// out = m * (x, y, z, w).
void transformPoint(const double m[16], const double in[4], double out[4]);
void transformPoint(const float m[16], const float in[4], float out[4]);
