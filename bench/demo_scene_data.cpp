#include "demo_scene_data.h"

#include <cmath>

namespace bench {
namespace {

struct Generator {
    uint32_t a = 1, b = 2345678, c = 9012345;
    uint32_t Draw() {
        a += b;
        b += c;
        c += a;
        return a >> 16;
    }
    float Unit() { return float(Draw()) / 65535.0f; }
    float Position() {
        float s = float(double(Unit()) * 2.0 - 1.0);
        return float(double(s) * 3.0);
    }
};

struct Face {
    float normal[3];
    float corners[6][3];
};

const Face kFaces[6] = {
    {{0, -1, 0}, {{1, -1, -1}, {1, -1, 1}, {-1, -1, 1}, {1, -1, -1}, {-1, -1, 1}, {-1, -1, -1}}},
    {{0, 1, 0}, {{1, 1, -1}, {-1, 1, -1}, {-1, 1, 1}, {1, 1, -1}, {-1, 1, 1}, {1, 1, 1}}},
    {{1, 0, 0}, {{1, -1, -1}, {1, 1, -1}, {1, 1, 1}, {1, -1, -1}, {1, 1, 1}, {1, -1, 1}}},
    {{-0.0f, -0.0f, 1}, {{1, -1, 1}, {1, 1, 1}, {-1, 1, 1}, {1, -1, 1}, {-1, 1, 1}, {-1, -1, 1}}},
    {{-1, -0.0f, -0.0f},
     {{-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}, {-1, -1, 1}, {-1, 1, -1}, {-1, -1, -1}}},
    {{0, 0, -1}, {{1, 1, -1}, {1, -1, -1}, {-1, -1, -1}, {1, 1, -1}, {-1, -1, -1}, {-1, 1, -1}}},
};

void Normalize(float v[3]) {
    float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    for (int i = 0; i < 3; ++i) {
        v[i] /= length;
    }
}

void Cross(const float a[3], const float b[3], float out[3]) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
}

float Dot(const float a[3], const float b[3]) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

} // namespace

std::vector<CubeVertex> BuildCube() {
    std::vector<CubeVertex> vertices;
    for (const Face& face : kFaces) {
        for (const auto& corner : face.corners) {
            CubeVertex vertex{};
            for (int i = 0; i < 3; ++i) {
                vertex.pos[i] = corner[i];
                vertex.normal[i] = face.normal[i];
            }
            vertices.push_back(vertex);
        }
    }
    return vertices;
}

std::vector<InstanceSlot> BuildInstances(int scale) {
    Generator generator;
    std::vector<InstanceSlot> instances(size_t(kInstanceCount) * size_t(scale));
    for (InstanceSlot& instance : instances) {
        float z = generator.Position();
        float y = generator.Position();
        float x = generator.Position();
        float red = generator.Unit();
        float green = generator.Unit();
        float blue = generator.Unit();
        const float world[16] = {0.1f, 0, 0, 0, 0, 0.1f, 0, 0, 0, 0, 0.1f, 0, x, y, z, 1};
        for (int i = 0; i < 16; ++i) {
            instance.world[i] = world[i];
        }
        instance.color[0] = red;
        instance.color[1] = green;
        instance.color[2] = blue;
        instance.color[3] = 1.0f;
    }
    return instances;
}

void CameraMatrices(float* angle, float view[16], float projection[16]) {
    const float fov = 1.570796f, aspect = 1.7777778f, nearPlane = 0.1f, farPlane = 1000.0f;
    float h = std::cos(fov * 0.5f) / std::sin(fov * 0.5f);
    float w = h / aspect;
    float r = farPlane / (farPlane - nearPlane);
    const float p[16] = {w, 0, 0, 0, 0, h, 0, 0, 0, 0, r, 1, 0, 0, -r * nearPlane, 0};

    *angle = float(double(*angle) + 0.01);
    float s = sinf(*angle), c = cosf(*angle);
    float eye[3] = {5 * s, 3, 5 * c};
    float z[3] = {-eye[0], -eye[1], -eye[2]};
    Normalize(z);
    const float up[3] = {0, 2, 0};
    float x[3], y[3];
    Cross(up, z, x);
    Normalize(x);
    Cross(z, x, y);
    const float v[16] = {x[0], y[0], z[0], 0, x[1],         y[1],         z[1],         0,
                         x[2], y[2], z[2], 0, -Dot(x, eye), -Dot(y, eye), -Dot(z, eye), 1};
    for (int i = 0; i < 16; ++i) {
        view[i] = v[i];
        projection[i] = p[i];
    }
}

} // namespace bench
