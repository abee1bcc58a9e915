#include "camera.h"

#include <DirectXMath.h>

#include <cmath>

namespace {

constexpr float kOrbitRadius = 5.0f;
constexpr float kEyeHeight = 3.0f;
constexpr double kAngleStep = 0.01;
constexpr float kFieldOfView = 1.570796f;
constexpr float kAspect = 1.7777778f;
constexpr float kNear = 0.1f;
constexpr float kFar = 1000.0f;

// The camera's angle in radians, never wrapped.
float g_cameraAngle = 0.0f;

} // namespace

void MoveCamera(ViewBuffer* view) {
    using namespace DirectX;
    const XMMATRIX projection = XMMatrixPerspectiveFovLH(kFieldOfView, kAspect, kNear, kFar);
    g_cameraAngle = static_cast<float>(static_cast<double>(g_cameraAngle) + kAngleStep);
    const float s = sinf(g_cameraAngle);
    const float c = cosf(g_cameraAngle);
    const XMVECTOR eye = XMVectorSet(kOrbitRadius * s, kEyeHeight, kOrbitRadius * c, 0.0f);
    const XMVECTOR focus = XMVectorSet(0.0f, 0.0f, 0.0f, 0.0f);
    const XMVECTOR up = XMVectorSet(0.0f, 2.0f, 0.0f, 0.0f);
    const XMMATRIX viewMatrix = XMMatrixLookAtLH(eye, focus, up);

    view->prevView = view->view;
    XMStoreFloat4x4(&view->view, viewMatrix);
    view->prevProjection = view->projection;
    XMStoreFloat4x4(&view->projection, projection);
}
