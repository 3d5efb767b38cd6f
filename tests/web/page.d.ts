// What the tests' functions that run in a page find there: the page
// script's VelkDom, and what the tests leave on the window themselves.
declare var VelkDom: {beeps: number; processEvents: () => Promise<void>};
interface Window {
  seen: {busy: boolean; status: string};
  steps: number[][];
  ran?: string;
  release: () => void;
}
// The tests look up elements they know are there, and of what kind.
type Control = HTMLInputElement & HTMLSelectElement & HTMLTextAreaElement;
interface Document {
  getElementById(id: string): Control;
  querySelector(selectors: string): Control;
}
interface ParentNode {
  querySelector(selectors: string): Control;
}
