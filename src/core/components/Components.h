#pragma once

// The wrapper classes of the seven component instances that make up a component set (ComponentSet.h).

#include "ComponentWrapper.h"
#include "IAudioFile2.h"
#include "IAudioFile2LameEnc.h"
#include "IAudioInformation2.h"
#include "IAudioPlayer2.h"
#include "IAudioTransform2.h"
#include "IVideoFile.h"

class TAudioFile2 : public ComponentWrapper<IAudioFile2> {
public:
    using ComponentWrapper::ComponentWrapper;
};
class TAudioFile2LameEnc : public ComponentWrapper<IAudioFile2LameEnc> {
public:
    using ComponentWrapper::ComponentWrapper;
};
class TAudioPlayer2 : public ComponentWrapper<IAudioPlayer2> {
public:
    using ComponentWrapper::ComponentWrapper;
};
class TAudioTransform2 : public ComponentWrapper<IAudioTransform2> {
public:
    using ComponentWrapper::ComponentWrapper;
};
class TAudioInformation2 : public ComponentWrapper<IAudioInformation2> {
public:
    using ComponentWrapper::ComponentWrapper;
};
class TVideoFile : public ComponentWrapper<IVideoFile> {
public:
    using ComponentWrapper::ComponentWrapper;
};
