#include <DirectXMath.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

using namespace DirectX;

void ExpectMatrixNear(const XMFLOAT4X4& actual, const double (&expected)[4][4], double tolerance) {
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            EXPECT_NEAR(actual.m[row][column], expected[row][column], tolerance)
                << "row " << row << " column " << column;
        }
    }
}

// The camera's angle after `frames` steps of 0.01, accumulated in single precision.
float CameraAngle(int frames) {
    float angle = 0.0f;
    for (int i = 0; i < frames; ++i) {
        angle = static_cast<float>(static_cast<double>(angle) + 0.01);
    }
    return angle;
}

TEST(DirectXMath, PerspectiveFovLHMatchesTheClosedForm) {
    XMFLOAT4X4 projection;
    XMStoreFloat4x4(&projection, XMMatrixPerspectiveFovLH(1.570796f, 1.7777778f, 0.1f, 1000.0f));
    const double h = std::cos(1.570796 / 2) / std::sin(1.570796 / 2);
    const double w = h / 1.7777778;
    const double r = 1000.0 / (1000.0 - 0.1);
    const double expected[4][4] = {{w, 0, 0, 0}, {0, h, 0, 0}, {0, 0, r, 1}, {0, 0, -r * 0.1, 0}};
    ExpectMatrixNear(projection, expected, 1e-6);
}

TEST(DirectXMath, LookAtLHMatchesTheCameraOnItsFirstAndHundredthFrame) {
    struct Frame {
        int number;
        double eyeX, eyeZ; // known values of 5 sin and 5 cos of the angle
    };
    for (const Frame frame : {Frame{1, 0.0499992, 4.99975}, Frame{100, 4.207353, 2.701514}}) {
        const float angle = CameraAngle(frame.number);
        const float s = sinf(angle);
        const float c = cosf(angle);
        EXPECT_NEAR(5.0f * s, frame.eyeX, 1e-5);
        EXPECT_NEAR(5.0f * c, frame.eyeZ, 1e-5);

        XMFLOAT4X4 view;
        XMStoreFloat4x4(&view, XMMatrixLookAtLH(XMVectorSet(5 * s, 3, 5 * c, 0),
                                                XMVectorSet(0, 0, 0, 0), XMVectorSet(0, 2, 0, 0)));
        const double eye[3] = {5.0 * s, 3.0, 5.0 * c};
        const double length = std::sqrt(eye[0] * eye[0] + eye[1] * eye[1] + eye[2] * eye[2]);
        const double z[3] = {-eye[0] / length, -eye[1] / length, -eye[2] / length};
        // x = normalise(up x z) with up = (0, 2, 0); y = z x x.
        double x[3] = {2 * z[2], 0, -2 * z[0]};
        const double xLength = std::sqrt(x[0] * x[0] + x[2] * x[2]);
        x[0] /= xLength;
        x[2] /= xLength;
        const double y[3] = {z[1] * x[2] - z[2] * x[1], z[2] * x[0] - z[0] * x[2],
                             z[0] * x[1] - z[1] * x[0]};
        auto dot = [&](const double* a) { return a[0] * eye[0] + a[1] * eye[1] + a[2] * eye[2]; };
        const double expected[4][4] = {{x[0], y[0], z[0], 0},
                                       {x[1], y[1], z[1], 0},
                                       {x[2], y[2], z[2], 0},
                                       {-dot(x), -dot(y), -dot(z), 1}};
        ExpectMatrixNear(view, expected, 2e-6);
    }
}

TEST(DirectXMath, ProductsUseRowVectors) {
    const XMMATRIX scaleThenMove =
        XMMatrixMultiply(XMMatrixScaling(2, 2, 2), XMMatrixTranslation(1, 2, 3));
    const XMVECTOR moved = XMVector3Transform(XMVectorSet(1, 1, 1, 0), scaleThenMove);
    EXPECT_EQ(XMVectorGetX(moved), 3.0f);
    EXPECT_EQ(XMVectorGetY(moved), 4.0f);
    EXPECT_EQ(XMVectorGetZ(moved), 5.0f);
    XMFLOAT4X4 stored;
    XMStoreFloat4x4(&stored, XMMatrixTranspose(scaleThenMove));
    EXPECT_EQ(stored._14, 1.0f);
    EXPECT_EQ(stored.m[2][3], 3.0f);
    XMFLOAT4X4 back;
    XMStoreFloat4x4(&back, XMLoadFloat4x4(&stored));
    EXPECT_EQ(std::memcmp(&back, &stored, sizeof stored), 0);
}

} // namespace
