// The part of DirectXMath this program uses, for builds without the real
// header. Same conventions as the real library: row vectors, left-handed
// coordinates, matrices stored row by row; the formulas follow its portable
// (non-SIMD) code path so that results agree to the last bit or so.
#pragma once

#include <cmath>
#include <cstdint>

namespace DirectX {

constexpr float XM_PI = 3.141592654f;
constexpr float XM_2PI = 6.283185307f;
constexpr float XM_1DIVPI = 0.318309886f;
constexpr float XM_1DIV2PI = 0.159154943f;
constexpr float XM_PIDIV2 = 1.570796327f;
constexpr float XM_PIDIV4 = 0.785398163f;

constexpr float XMConvertToRadians(float degrees) {
    return degrees * (XM_PI / 180.0f);
}
constexpr float XMConvertToDegrees(float radians) {
    return radians * (180.0f / XM_PI);
}

struct alignas(16) XMVECTOR {
    float v[4];
};
using FXMVECTOR = const XMVECTOR&;
using GXMVECTOR = const XMVECTOR&;
using HXMVECTOR = const XMVECTOR&;
using CXMVECTOR = const XMVECTOR&;

struct alignas(16) XMMATRIX {
    XMVECTOR r[4];
};
using FXMMATRIX = const XMMATRIX&;
using CXMMATRIX = const XMMATRIX&;

struct XMFLOAT2 {
    float x, y;
    XMFLOAT2() = default;
    constexpr XMFLOAT2(float x_, float y_) : x(x_), y(y_) {}
};

struct XMFLOAT3 {
    float x, y, z;
    XMFLOAT3() = default;
    constexpr XMFLOAT3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
};

struct XMFLOAT4 {
    float x, y, z, w;
    XMFLOAT4() = default;
    constexpr XMFLOAT4(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}
};

struct XMFLOAT4X4 {
    union {
        struct {
            float _11, _12, _13, _14;
            float _21, _22, _23, _24;
            float _31, _32, _33, _34;
            float _41, _42, _43, _44;
        };
        float m[4][4];
    };
    XMFLOAT4X4() = default;
    constexpr XMFLOAT4X4(float m00, float m01, float m02, float m03, float m10, float m11,
                         float m12, float m13, float m20, float m21, float m22, float m23,
                         float m30, float m31, float m32, float m33)
        : _11(m00), _12(m01), _13(m02), _14(m03), _21(m10), _22(m11), _23(m12), _24(m13), _31(m20),
          _32(m21), _33(m22), _34(m23), _41(m30), _42(m31), _43(m32), _44(m33) {}
    float operator()(size_t row, size_t column) const { return m[row][column]; }
    float& operator()(size_t row, size_t column) { return m[row][column]; }
};

// ---- Scalars ---------------------------------------------------------------

// sin and cos by the real library's range reduction and minimax polynomials.
inline void XMScalarSinCos(float* sinOut, float* cosOut, float value) {
    float quotient = XM_1DIV2PI * value;
    if (value >= 0.0f) {
        quotient = static_cast<float>(static_cast<int>(quotient + 0.5f));
    } else {
        quotient = static_cast<float>(static_cast<int>(quotient - 0.5f));
    }
    float y = value - XM_2PI * quotient;

    float sign;
    if (y > XM_PIDIV2) {
        y = XM_PI - y;
        sign = -1.0f;
    } else if (y < -XM_PIDIV2) {
        y = -XM_PI - y;
        sign = -1.0f;
    } else {
        sign = +1.0f;
    }

    const float y2 = y * y;
    *sinOut =
        (((((-2.3889859e-08f * y2 + 2.7525562e-06f) * y2 - 0.00019840874f) * y2 + 0.0083333310f) *
              y2 -
          0.16666667f) *
             y2 +
         1.0f) *
        y;
    const float p =
        ((((-2.6051615e-07f * y2 + 2.4760495e-05f) * y2 - 0.0013888378f) * y2 + 0.041666638f) * y2 -
         0.5f) *
            y2 +
        1.0f;
    *cosOut = sign * p;
}

// ---- Vectors ---------------------------------------------------------------

inline XMVECTOR XMVectorSet(float x, float y, float z, float w) {
    return XMVECTOR{{x, y, z, w}};
}
inline XMVECTOR XMVectorZero() {
    return XMVECTOR{{0.0f, 0.0f, 0.0f, 0.0f}};
}
inline XMVECTOR XMVectorReplicate(float value) {
    return XMVECTOR{{value, value, value, value}};
}
inline float XMVectorGetX(FXMVECTOR v) {
    return v.v[0];
}
inline float XMVectorGetY(FXMVECTOR v) {
    return v.v[1];
}
inline float XMVectorGetZ(FXMVECTOR v) {
    return v.v[2];
}
inline float XMVectorGetW(FXMVECTOR v) {
    return v.v[3];
}

inline XMVECTOR XMVectorAdd(FXMVECTOR a, FXMVECTOR b) {
    return XMVECTOR{{a.v[0] + b.v[0], a.v[1] + b.v[1], a.v[2] + b.v[2], a.v[3] + b.v[3]}};
}
inline XMVECTOR XMVectorSubtract(FXMVECTOR a, FXMVECTOR b) {
    return XMVECTOR{{a.v[0] - b.v[0], a.v[1] - b.v[1], a.v[2] - b.v[2], a.v[3] - b.v[3]}};
}
inline XMVECTOR XMVectorMultiply(FXMVECTOR a, FXMVECTOR b) {
    return XMVECTOR{{a.v[0] * b.v[0], a.v[1] * b.v[1], a.v[2] * b.v[2], a.v[3] * b.v[3]}};
}
inline XMVECTOR XMVectorScale(FXMVECTOR v, float s) {
    return XMVECTOR{{v.v[0] * s, v.v[1] * s, v.v[2] * s, v.v[3] * s}};
}
inline XMVECTOR XMVectorNegate(FXMVECTOR v) {
    return XMVECTOR{{-v.v[0], -v.v[1], -v.v[2], -v.v[3]}};
}

// The dot product replicated into all four lanes, as the real library returns it.
inline XMVECTOR XMVector3Dot(FXMVECTOR a, FXMVECTOR b) {
    return XMVectorReplicate(a.v[0] * b.v[0] + a.v[1] * b.v[1] + a.v[2] * b.v[2]);
}
inline XMVECTOR XMVector4Dot(FXMVECTOR a, FXMVECTOR b) {
    return XMVectorReplicate(a.v[0] * b.v[0] + a.v[1] * b.v[1] + a.v[2] * b.v[2] + a.v[3] * b.v[3]);
}
inline XMVECTOR XMVector3Cross(FXMVECTOR a, FXMVECTOR b) {
    return XMVECTOR{{a.v[1] * b.v[2] - a.v[2] * b.v[1], a.v[2] * b.v[0] - a.v[0] * b.v[2],
                     a.v[0] * b.v[1] - a.v[1] * b.v[0], 0.0f}};
}
inline XMVECTOR XMVector3Length(FXMVECTOR v) {
    return XMVectorReplicate(std::sqrt(XMVectorGetX(XMVector3Dot(v, v))));
}
// A zero vector stays zero, as in the real library.
inline XMVECTOR XMVector3Normalize(FXMVECTOR v) {
    float length = XMVectorGetX(XMVector3Length(v));
    if (length > 0.0f) {
        length = 1.0f / length;
    }
    return XMVECTOR{{v.v[0] * length, v.v[1] * length, v.v[2] * length, v.v[3] * length}};
}

inline bool XMVector3Equal(FXMVECTOR a, FXMVECTOR b) {
    return a.v[0] == b.v[0] && a.v[1] == b.v[1] && a.v[2] == b.v[2];
}

// ---- Matrices --------------------------------------------------------------

inline XMMATRIX XMMatrixSet(float m00, float m01, float m02, float m03, float m10, float m11,
                            float m12, float m13, float m20, float m21, float m22, float m23,
                            float m30, float m31, float m32, float m33) {
    return XMMATRIX{{XMVectorSet(m00, m01, m02, m03), XMVectorSet(m10, m11, m12, m13),
                     XMVectorSet(m20, m21, m22, m23), XMVectorSet(m30, m31, m32, m33)}};
}

inline XMMATRIX XMMatrixIdentity() {
    return XMMatrixSet(1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f,
                       0.0f, 0.0f, 1.0f);
}

inline XMMATRIX XMMatrixTranspose(FXMMATRIX m) {
    XMMATRIX t;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            t.r[row].v[column] = m.r[column].v[row];
        }
    }
    return t;
}

// Row-vector product: the result applies m1 first, then m2.
inline XMMATRIX XMMatrixMultiply(FXMMATRIX m1, CXMMATRIX m2) {
    XMMATRIX result;
    for (int row = 0; row < 4; ++row) {
        const float x = m1.r[row].v[0], y = m1.r[row].v[1], z = m1.r[row].v[2], w = m1.r[row].v[3];
        for (int column = 0; column < 4; ++column) {
            result.r[row].v[column] = (m2.r[0].v[column] * x) + (m2.r[1].v[column] * y) +
                                      (m2.r[2].v[column] * z) + (m2.r[3].v[column] * w);
        }
    }
    return result;
}

inline XMMATRIX operator*(FXMMATRIX m1, CXMMATRIX m2) {
    return XMMatrixMultiply(m1, m2);
}

inline XMMATRIX XMMatrixScaling(float sx, float sy, float sz) {
    return XMMatrixSet(sx, 0.0f, 0.0f, 0.0f, 0.0f, sy, 0.0f, 0.0f, 0.0f, 0.0f, sz, 0.0f, 0.0f, 0.0f,
                       0.0f, 1.0f);
}

inline XMMATRIX XMMatrixTranslation(float x, float y, float z) {
    return XMMatrixSet(1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, x, y,
                       z, 1.0f);
}

// (x, y, z, 1) times m.
inline XMVECTOR XMVector3Transform(FXMVECTOR v, FXMMATRIX m) {
    XMVECTOR result;
    for (int column = 0; column < 4; ++column) {
        result.v[column] = (v.v[2] * m.r[2].v[column] + m.r[3].v[column]) +
                           v.v[1] * m.r[1].v[column] + v.v[0] * m.r[0].v[column];
    }
    return result;
}

inline XMMATRIX XMMatrixLookToLH(FXMVECTOR eyePosition, FXMVECTOR eyeDirection,
                                 FXMVECTOR upDirection) {
    const XMVECTOR r2 = XMVector3Normalize(eyeDirection);
    const XMVECTOR r0 = XMVector3Normalize(XMVector3Cross(upDirection, r2));
    const XMVECTOR r1 = XMVector3Cross(r2, r0);
    const XMVECTOR negEye = XMVectorNegate(eyePosition);
    const float d0 = XMVectorGetX(XMVector3Dot(r0, negEye));
    const float d1 = XMVectorGetX(XMVector3Dot(r1, negEye));
    const float d2 = XMVectorGetX(XMVector3Dot(r2, negEye));
    const XMMATRIX m = XMMatrixSet(r0.v[0], r0.v[1], r0.v[2], d0, r1.v[0], r1.v[1], r1.v[2], d1,
                                   r2.v[0], r2.v[1], r2.v[2], d2, 0.0f, 0.0f, 0.0f, 1.0f);
    return XMMatrixTranspose(m);
}

inline XMMATRIX XMMatrixLookAtLH(FXMVECTOR eyePosition, FXMVECTOR focusPosition,
                                 FXMVECTOR upDirection) {
    return XMMatrixLookToLH(eyePosition, XMVectorSubtract(focusPosition, eyePosition), upDirection);
}

inline XMMATRIX XMMatrixPerspectiveFovLH(float fovAngleY, float aspectRatio, float nearZ,
                                         float farZ) {
    float sinFov;
    float cosFov;
    XMScalarSinCos(&sinFov, &cosFov, 0.5f * fovAngleY);
    const float height = cosFov / sinFov;
    const float width = height / aspectRatio;
    const float range = farZ / (farZ - nearZ);
    return XMMatrixSet(width, 0.0f, 0.0f, 0.0f, 0.0f, height, 0.0f, 0.0f, 0.0f, 0.0f, range, 1.0f,
                       0.0f, 0.0f, -range * nearZ, 0.0f);
}

// ---- Loads and stores ------------------------------------------------------

inline XMVECTOR XMLoadFloat3(const XMFLOAT3* source) {
    return XMVectorSet(source->x, source->y, source->z, 0.0f);
}
inline XMVECTOR XMLoadFloat4(const XMFLOAT4* source) {
    return XMVectorSet(source->x, source->y, source->z, source->w);
}
inline void XMStoreFloat3(XMFLOAT3* destination, FXMVECTOR v) {
    destination->x = v.v[0];
    destination->y = v.v[1];
    destination->z = v.v[2];
}
inline void XMStoreFloat4(XMFLOAT4* destination, FXMVECTOR v) {
    destination->x = v.v[0];
    destination->y = v.v[1];
    destination->z = v.v[2];
    destination->w = v.v[3];
}

inline XMMATRIX XMLoadFloat4x4(const XMFLOAT4X4* source) {
    XMMATRIX m;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            m.r[row].v[column] = source->m[row][column];
        }
    }
    return m;
}

inline void XMStoreFloat4x4(XMFLOAT4X4* destination, FXMMATRIX m) {
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            destination->m[row][column] = m.r[row].v[column];
        }
    }
}

} // namespace DirectX
