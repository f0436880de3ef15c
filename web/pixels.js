// Canvases in device pixels, and the core's RGBA pictures copied into them unscaled.

// Sizes a canvas to a box of cssWidth x cssHeight CSS pixels holding deviceWidth x
// deviceHeight device pixels, so one picture pixel is one screen pixel.
export function sizeCanvas(canvas, cssWidth, cssHeight, deviceWidth, deviceHeight) {
  canvas.style.width = `${cssWidth}px`;
  canvas.style.height = `${cssHeight}px`;
  if (canvas.width !== deviceWidth) canvas.width = deviceWidth;
  if (canvas.height !== deviceHeight) canvas.height = deviceHeight;
}

// The device pixels a CSS length covers on this screen.
export function devicePixels(cssLength) {
  return Math.max(0, Math.round(cssLength * window.devicePixelRatio));
}

// Shows the bytes the core returned (a view on its memory, valid until its next call).
export function showRgba(canvas, bytes) {
  const { width, height } = canvas;
  if (width === 0 || height === 0 || bytes.length !== width * height * 4) return;
  const data = new Uint8ClampedArray(bytes.buffer, bytes.byteOffset, bytes.length);
  canvas.getContext("2d").putImageData(new ImageData(data, width, height), 0, 0);
}
