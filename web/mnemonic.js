// Texts with an "&" before their access key, as the core's tables give them.

// The text with its access key underlined, as DOM nodes for `element`.
export function setMnemonicText(element, text) {
  element.replaceChildren();
  const at = text.indexOf("&");
  if (at < 0 || at + 1 >= text.length) {
    element.textContent = text.replace("&", "");
    return;
  }
  const key = document.createElement("u");
  key.textContent = text[at + 1];
  element.append(text.slice(0, at), key, text.slice(at + 2));
}

// The access key of a text, lower case, or "" when it has none.
export function mnemonicKey(text) {
  const at = text.indexOf("&");
  return at >= 0 && at + 1 < text.length ? text[at + 1].toLowerCase() : "";
}
